#include "UnitPropertyForm.h"

#include "UnitFormAnchor.h"
#include "UnitFormMemoEditor.h"

#include <QCoreApplication>

namespace {
void DeleteForms()
{
    TPropertyEditorForms &forms = PropertyEditorForms();
    delete forms.Anchor;
    delete forms.MemoText;
    forms = {};
}
} // namespace

void InstallPropertyEditorForms()
{
    TPropertyEditorForms &forms = PropertyEditorForms();
    if (forms.Anchor)
        return;
    forms.Anchor = new TFormAnchor;
    forms.MemoText = new TFormMemoEditor;
    // Windows must go before the application object does.
    qAddPostRoutine(DeleteForms);
}
