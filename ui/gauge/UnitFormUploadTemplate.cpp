#include "UnitFormUploadTemplate.h"

#include "UnitException.h"
#include "UnitFileOperations.h"
#include "UnitStorage.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

bool LoadTemplateEntry(TFileItem *entry)
{
    if (entry->LoadState != LoadStateLoaded || entry->IsChanged())
        entry->Load();
    return entry->LoadState == LoadStateLoaded;
}

void RefreshTemplateEntries(TFileList &list)
{
    TFileList listing;
    TFileList::ListFolder(IncludeTrailingSlash(TemplatesFolder()), listing);
    QSet<QString> present;
    for (int i = 0; i < listing.Count(); ++i)
        if (listing.Items(i)->FileType == FileTypeTemplate)
            present.insert(listing.Items(i)->FileName);
    for (int i = list.Count() - 1; i >= 0; --i) {
        if (list.Items(i)->FileType != FileTypeTemplate || !present.contains(list.Items(i)->FileName))
            list.Delete(i);
        else
            present.remove(list.Items(i)->FileName);
    }
    for (int i = 0; i < listing.Count(); ++i) {
        const TFileItem *found = listing.Items(i);
        if (found->FileType != FileTypeTemplate || !present.contains(found->FileName))
            continue;
        TFileItem *entry = list.Add();
        entry->FileType = FileTypeTemplate;
        entry->FileName = found->FileName;
    }
    list.Sort();
}

TFormUploadTemplate::TFormUploadTemplate(QWidget *parent)
    : QDialog(parent), FTemplates(new QTreeWidget(this)), FOK(new QPushButton(Tr("OK"), this)),
      FCancel(new QPushButton(Tr("Cancel"), this))
{
    setObjectName(QStringLiteral("FormUploadTemplate"));
    setWindowTitle(Tr("Upload Template"));
    auto *label = new QLabel(Tr("Select template(s) to upload to the gauge:"), this);
    label->setObjectName(QStringLiteral("LabelSelect"));
    FTemplates->setObjectName(QStringLiteral("ListViewTemplates"));
    FTemplates->setAccessibleName(Tr("Templates"));
    FTemplates->setRootIsDecorated(false);
    FTemplates->setUniformRowHeights(true);
    FTemplates->setSelectionMode(QAbstractItemView::ExtendedSelection);
    FTemplates->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FTemplates->setHeaderLabels({Tr("Name")});
    FOK->setObjectName(QStringLiteral("ButtonOK"));
    FCancel->setObjectName(QStringLiteral("ButtonCancel"));
    FOK->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(FOK);
    buttons->addWidget(FCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(FTemplates, 1);
    layout->addLayout(buttons);
    connect(FOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(FCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(FTemplates, &QTreeWidget::itemSelectionChanged, this,
            [this] { FOK->setEnabled(!FTemplates->selectedItems().isEmpty()); });
    connect(FTemplates, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (FOK->isEnabled())
            accept();
    });
    FOK->setEnabled(false);
    resize(360, 320);
}

void TFormUploadTemplate::showEvent(QShowEvent *event)
{
    Refresh();
    QDialog::showEvent(event);
}

void TFormUploadTemplate::Refresh()
{
    RefreshTemplateEntries(FList);
    FTemplates->clear();
    const QIcon icon = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    for (int i = 0; i < FList.Count(); ++i) {
        TFileItem *entry = FList.Items(i);
        LoadTemplateEntry(entry);
        auto *row = new QTreeWidgetItem(FTemplates, {NameWithoutExtension(entry->FileName)});
        row->setIcon(0, icon);
    }
    FOK->setEnabled(false);
}

QList<TFileItem *> TFormUploadTemplate::SelectedTemplates() const
{
    QList<TFileItem *> entries;
    for (int i = 0; i < FTemplates->topLevelItemCount() && i < FList.Count(); ++i)
        if (FTemplates->topLevelItem(i)->isSelected())
            entries << FList.Items(i);
    return entries;
}
