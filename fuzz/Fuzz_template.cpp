// The template loader on any bytes. A template that loads must save a text that loads again to
// the same text, and its batch names must be made without failing.
#include "FuzzSupport.h"
#include "UnitException.h"
#include "UnitTemplateList.h"
#include "UnitTextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    XmlDocument doc;
    doc.Parse(DecodeFileText(FuzzBytes(data, size)));
    TTemplateList list;
    try {
        list.LoadFromXml(doc.Nodes);
    } catch (const Exception &) {
        return 0;
    }
    const QString saved = SavedText([&](XmlNodeList &nodes) { list.SaveToXml(nodes); });
    XmlDocument again;
    again.Parse(saved);
    TTemplateList reloaded;
    reloaded.LoadFromXml(again.Nodes);
    FUZZ_CHECK(SavedText([&](XmlNodeList &nodes) { reloaded.SaveToXml(nodes); }) == saved);
    try {
        list.GenerateBatchIDs(false);
    } catch (const Exception &) {
    }
    return 0;
}
