#pragma once
// What every fuzz target shares: the input as Qt bytes and a check that turns a broken promise
// of a reader into a crash that libFuzzer reports and keeps.
#include "UnitXml.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

inline QByteArray FuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

#define FUZZ_CHECK(condition)                                                                   \
    do {                                                                                        \
        if (!(condition)) {                                                                     \
            std::fprintf(stderr, "Check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                       \
        }                                                                                       \
    } while (0)

// The writer's text of whatever a record saves into a fresh document.
template <typename Save> QString SavedText(Save save)
{
    XmlDocument doc;
    save(doc.Nodes);
    return doc.SaveToText();
}
