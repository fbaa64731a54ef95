#include "UnitTemplatesPaneLink.h"

#include "UnitFormCalvaneK27.h"
#include "UnitFormMain.h"
#include "UnitFormTemplates.h"
#include "UnitTemplateUpload.h"

#include <QAction>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTreeWidget>

TTemplatesPaneLink::TTemplatesPaneLink(TFormMain *form, TFormCalvaneK27 *gauge)
    : QObject(form), FForm(form), FPane(new TFormTemplates)
{
    setObjectName(QStringLiteral("TemplatesPaneLink"));
    FPane->Settings = &form->Settings();
    if (gauge)
        ConnectTemplateUpload(*gauge, *FPane);
    form->SetPane(TNodeKind::Templates, FPane,
                  {FPane->ActionNewTemplate(), FPane->ActionDeleteTemplate(), FPane->ActionRenameTemplate(),
                   FPane->ActionUploadSelectedTemplate()});
    form->Tree()->viewport()->installEventFilter(this);
}

TTemplatesPaneLink::~TTemplatesPaneLink() { delete FPane; }

TFormTemplates *TTemplatesPaneLink::Pane() const { return FPane; }

bool TTemplatesPaneLink::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event);
    if (!FPane || !drop->mimeData() || !drop->mimeData()->hasFormat(TemplateRowsMimeType()))
        return QObject::eventFilter(watched, event);
    if (type == QEvent::DragEnter) {
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        return true;
    }
    // Only the gauge node takes templates, and only while the upload could run.
    QTreeWidgetItem *target = FForm->Tree()->itemAt(drop->position().toPoint());
    FPane->UpdateActions();
    if (!target || target != FForm->GaugeNode() || !FPane->ActionUploadSelectedTemplate()->isEnabled()) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop)
        FPane->ActionUploadSelectedTemplate()->trigger();
    return true;
}
