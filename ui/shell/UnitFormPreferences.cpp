#include "UnitFormPreferences.h"
#include "UnitDemoGauge.h"
#include "UnitEnumComPort.h"
#include "UnitException.h"
#include "UnitPrompt.h"
#include "UnitUnits.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

namespace {
QComboBox *Combo(QWidget *parent, const char *name, const QStringList &items)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->addItems(items);
    return combo;
}

// A heading with a rule to its right, then its description; the control under them is named and
// described by them for a screen reader.
void AddHeading(QVBoxLayout *layout, const QString &heading, const QString &description, QWidget *control)
{
    control->setAccessibleName(heading);
    control->setAccessibleDescription(description);
    auto *row = new QHBoxLayout;
    auto *label = new QLabel(heading);
    label->setBuddy(control);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    auto *rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    row->addWidget(label);
    row->addWidget(rule, 1);
    layout->addLayout(row);
    if (!description.isEmpty()) {
        auto *text = new QLabel(description);
        text->setWordWrap(true);
        layout->addWidget(text);
    }
}

bool ParseNumber(const QString &text, double &value)
{
    bool ok = false;
    value = text.trimmed().toDouble(&ok);
    if (!ok)
        value = QLocale().toDouble(text.trimmed(), &ok);
    return ok;
}
} // namespace

TFormPreferences::TFormPreferences(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormPreferences"));
    setWindowTitle(Tr("Preferences"));
    FSettings.AutoSave = false;

    FTree = new QTreeWidget(this);
    FTree->setObjectName(QStringLiteral("TreeViewPages"));
    FTree->setAccessibleName(Tr("Preferences"));
    FTree->setHeaderHidden(true);
    FTree->setFixedWidth(150);
    FNodes[0] = new QTreeWidgetItem(FTree);
    for (int i = 1; i < 4; ++i)
        FNodes[i] = new QTreeWidgetItem(FNodes[0]);
    FTree->expandAll();
    FTree->setItemsExpandable(false);
    FTree->setRootIsDecorated(false);

    FPages = new QStackedWidget(this);
    FPages->setObjectName(QStringLiteral("PageControl"));

    // General page.
    auto *general = new QWidget;
    auto *g = new QVBoxLayout(general);
    FCoverUnits = Combo(general, "ComboBoxCoverUnits", {Tr("mm & metres"), Tr("inches & feet")});
    AddHeading(g, Tr("Units"), Tr("Specify the measurement units to be used when displaying cover depth, and grid dimensions."),
               FCoverUnits);
    g->addWidget(FCoverUnits);
    auto *temperatureText = new QLabel(Tr("Specify the measurement units to used when displaying temperature."));
    g->addWidget(temperatureText);
    FTemperatureUnits = Combo(general, "ComboBoxTemperatureUnits",
                              {Tr("Celsius (°C)"), Tr("Fahrenheit (°F)")});
    FTemperatureUnits->setAccessibleName(Tr("Temperature"));
    FTemperatureUnits->setAccessibleDescription(temperatureText->text());
    g->addWidget(FTemperatureUnits);
    FEmailFormat = Combo(general, "ComboBoxEmailReportFormat", {Tr("PDF Document"), Tr("JPEG Images")});
    AddHeading(g, Tr("Email Report Format"), Tr("Specify the method in which a report will be emailed."), FEmailFormat);
    g->addWidget(FEmailFormat);
    auto *thresholds = new QFormLayout;
    auto *thresholdBox = new QWidget;
    thresholdBox->setLayout(thresholds);
    thresholds->setContentsMargins(0, 0, 0, 0);
    AddHeading(g, Tr("Gradient Threshold"), Tr("Enter the threshold value to use for overview charts using a threshold gradient"),
               thresholdBox);
    FLabelCover = new QLabel;
    FLabelHalfCell = new QLabel;
    FThresholdCover = new QLineEdit;
    FThresholdCover->setObjectName(QStringLiteral("EditThresholdCover"));
    FThresholdCover->setAccessibleName(Tr("Cover"));
    FThresholdHalfCell = new QLineEdit;
    FThresholdHalfCell->setObjectName(QStringLiteral("EditThresholdHalfCell"));
    FThresholdHalfCell->setAccessibleName(Tr("Half Cell"));
    thresholds->addRow(FLabelCover, FThresholdCover);
    thresholds->addRow(FLabelHalfCell, FThresholdHalfCell);
    g->addWidget(thresholdBox);
    g->addStretch(1);
    FPages->addWidget(general);

    // Interface page.
    auto *interfacePage = new QWidget;
    auto *i = new QVBoxLayout(interfacePage);
    FThumbnailQuality = Combo(interfacePage, "ComboBoxThumbnailQuality",
                              {Tr("High Quality"), Tr("Normal Quality"), Tr("No Thumbnail")});
    AddHeading(i, Tr("Report Page Thumbnail Quality"), Tr("Specify the quality of the report page thumbnails."),
               FThumbnailQuality);
    i->addWidget(FThumbnailQuality);
    i->addStretch(1);
    FPages->addWidget(interfacePage);

    // Gauge page.
    auto *gaugePage = new QWidget;
    auto *p = new QVBoxLayout(gaugePage);
    FComPort = Combo(gaugePage, "ComboBoxComPort", {});
    AddHeading(p, Tr("Communications Port"), Tr("Specify the communications port the Ventrax K27 Instrument is connected to."),
               FComPort);
    p->addWidget(FComPort);
    p->addStretch(1);
    FPages->addWidget(gaugePage);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ButtonOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("ButtonCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { ButtonOKClick(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *body = new QHBoxLayout;
    body->addWidget(FTree);
    body->addWidget(FPages, 1);
    auto *main = new QVBoxLayout(this);
    main->addLayout(body, 1);
    main->addWidget(buttons);
    resize(560, 400);

    connect(FTree, &QTreeWidget::currentItemChanged, this, &TFormPreferences::TreeSelectionChanged);
    connect(FCoverUnits, &QComboBox::currentIndexChanged, this, [this] {
        // The cover threshold shown follows the unit picked here.
        // A value typed in the previous unit is kept (converted), not lost.
        double value = 0;
        if (FThresholdCover->isModified() && ParseNumber(FThresholdCover->text(), value)) {
            TCoverUnitsScope scope(FShownCoverUnits);
            FSettings.ItemByName(QStringLiteral("ThresholdCover")).SetAsFloat(CoverFromDisplay(value));
        }
        ShowThresholds();
    });
}

void TFormPreferences::Prepare()
{
    FNodes[0]->setText(0, Tr("Preferences"));
    FNodes[1]->setText(0, Tr("General"));
    FNodes[2]->setText(0, Tr("Interface"));
    FNodes[3]->setText(0, Tr("Ventrax K27"));
    auto index = [this](const char *name, QComboBox *combo) {
        const int value = FSettings.ItemByName(QLatin1String(name)).AsInteger();
        combo->setCurrentIndex(value >= 0 && value < combo->count() ? value : 0);
    };
    {
        const QSignalBlocker block(FCoverUnits);
        index("CoverUnits", FCoverUnits);
    }
    index("ThumbnailQuality", FThumbnailQuality);
    index("EmailReportFormat", FEmailFormat);
    index("TemperatureUnits", FTemperatureUnits);
    ShowThresholds();

    // Each entry carries the port number the setting keeps.
    QStringList ports;
    EnumComPorts(ports);
    FComPort->clear();
    FComPort->addItem(Tr("No Gauge"), 0);
    for (const QString &name : ports)
        FComPort->addItem(name, PortNumberFromName(name));
    if (!DemoGaugeProgram().isEmpty())
        FComPort->addItem(Tr("Demonstration gauge (simulator)"), DemoGaugePort);
    const int port = FSettings.ItemByName(QStringLiteral("ComPort")).AsInteger();
    FComPort->setCurrentIndex(std::max(0, FComPort->findData(port)));
    FTree->setCurrentItem(port != 0 ? FNodes[1] : FNodes[3]);
    TreeSelectionChanged();
}

void TFormPreferences::ShowThresholds()
{
    FShownCoverUnits = static_cast<std::uint8_t>(qMax(0, FCoverUnits->currentIndex()));
    TCoverUnitsScope scope(FShownCoverUnits);
    FThresholdCover->setText(FormatCover(FSettings.ItemByName(QStringLiteral("ThresholdCover")).AsFloat()));
    FThresholdHalfCell->setText(FormatHalfCell(FSettings.ItemByName(QStringLiteral("ThresholdHalfCell")).AsFloat()));
    FThresholdCover->setModified(false);
    FLabelCover->setText(Tr("Cover (%1):").arg(CoverUnitName()));
    FLabelHalfCell->setText(Tr("Half-Cell (%1):").arg(HalfCellUnitName()));
}

void TFormPreferences::TreeSelectionChanged()
{
    QTreeWidgetItem *node = FTree->currentItem();
    if (!node)
        return;
    const int position = node->parent() ? node->parent()->indexOfChild(node) : 0;
    if (position < FPages->count())
        FPages->setCurrentIndex(position);
}

int TFormPreferences::PageIndex() const { return FPages->currentIndex(); }

void TFormPreferences::ShowPage(int page)
{
    if (page < 0 || page + 1 >= int(std::size(FNodes)))
        return;
    FTree->setCurrentItem(FNodes[page + 1]);
    TreeSelectionChanged();
}

bool TFormPreferences::ButtonOKClick()
{
    FSettings.ItemByName(QStringLiteral("ComPort")).SetAsInteger(
        FComPort->currentIndex() <= 0 ? 0 : FComPort->currentData().toInt());
    FSettings.ItemByName(QStringLiteral("CoverUnits")).SetAsInteger(FCoverUnits->currentIndex());
    FSettings.ItemByName(QStringLiteral("ThumbnailQuality")).SetAsInteger(FThumbnailQuality->currentIndex());
    FSettings.ItemByName(QStringLiteral("EmailReportFormat")).SetAsInteger(FEmailFormat->currentIndex());
    FSettings.ItemByName(QStringLiteral("TemperatureUnits")).SetAsInteger(FTemperatureUnits->currentIndex());
    TCoverUnitsScope scope(static_cast<std::uint8_t>(qMax(0, FCoverUnits->currentIndex())));
    double cover = 0, halfCell = 0;
    for (QLineEdit *edit : {FThresholdCover, FThresholdHalfCell}) {
        if (!ParseNumber(edit->text(), edit == FThresholdCover ? cover : halfCell)) {
            Prompt().Error(Tr("'%1' is not a valid floating point value").arg(edit->text()));
            edit->setFocus();
            return false;
        }
    }
    FSettings.ItemByName(QStringLiteral("ThresholdCover")).SetAsFloat(CoverFromDisplay(cover));
    FSettings.ItemByName(QStringLiteral("ThresholdHalfCell")).SetAsFloat(HalfCellFromDisplay(halfCell));
    done(QDialog::Accepted);
    return true;
}
