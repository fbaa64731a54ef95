// The XML reader on any bytes; where the tree has no attributes, writing it and reading the text
// again must give the same names and leaf texts.
#include "FuzzSupport.h"
#include "UnitTextFile.h"

#include <vector>

namespace {
// Attributes and names holding "=" or a double quote have no exact written form. Deep trees are
// left out too: every line is indented by its level, so the written text grows with the square
// of the depth (the program's own files are a few levels deep).
bool Writable(const XmlNodeList &top)
{
    constexpr int MaxDepth = 64;
    std::vector<std::pair<const XmlNodeList *, int>> pending{{&top, 0}};
    while (!pending.empty()) {
        const auto [list, depth] = pending.back();
        pending.pop_back();
        if (list->Count() > 0 && depth > MaxDepth)
            return false;
        for (const auto &node : *list) {
            if (!node->AttributeName.isEmpty() || !node->AttributeValue.isEmpty() ||
                node->Name.contains(QLatin1Char('=')) || node->Name.contains(QLatin1Char('"')))
                return false;
            pending.push_back({&node->Children(), depth + 1});
        }
    }
    return true;
}

bool SameTree(const XmlNodeList &a, const XmlNodeList &b)
{
    std::vector<std::pair<const XmlNodeList *, const XmlNodeList *>> pending{{&a, &b}};
    while (!pending.empty()) {
        const auto [x, y] = pending.back();
        pending.pop_back();
        if (x->Count() != y->Count())
            return false;
        for (int i = 0; i < x->Count(); ++i) {
            const XmlNode &m = x->Items(i), &n = y->Items(i);
            if (m.Name != n.Name || m.IsLeaf() != n.IsLeaf() || (m.IsLeaf() && m.Text != n.Text))
                return false;
            pending.push_back({&m.Children(), &n.Children()});
        }
    }
    return true;
}

void ReadEveryValue(const XmlNodeList &top)
{
    std::vector<const XmlNodeList *> pending{&top};
    while (!pending.empty()) {
        const XmlNodeList *list = pending.back();
        pending.pop_back();
        for (const auto &node : *list) {
            (void)node->AsString();
            (void)node->AsInteger();
            (void)node->AsFloat();
            (void)node->AsBoolean();
            FUZZ_CHECK(&list->FindByName(node->Name) != &XmlNode::Null());
            pending.push_back(&node->Children());
        }
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    XmlDocument doc;
    doc.Parse(DecodeFileText(FuzzBytes(data, size)));
    ReadEveryValue(doc.Nodes);
    if (Writable(doc.Nodes)) {
        const QByteArray bytes = doc.SaveToBytes();
        XmlDocument again;
        again.Parse(DecodeFileText(bytes));
        FUZZ_CHECK(SameTree(doc.Nodes, again.Nodes));
        FUZZ_CHECK(again.SaveToBytes() == bytes);
    }
    return 0;
}
