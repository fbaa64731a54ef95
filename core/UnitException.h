#pragma once
// The program's general failure: an exception that carries a user-readable message.
#include <QCoreApplication>
#include <QString>
#include <stdexcept>

class Exception : public std::runtime_error {
public:
    explicit Exception(const QString &message)
        : std::runtime_error(message.toStdString()), FMessage(message) {}
    const QString &Message() const { return FMessage; }

private:
    QString FMessage;
};

// Translatable text of the program's own (captions and messages). The English text is the
// message's id, so English needs no file and lupdate finds every call (-tr-function-alias
// qtTrId+=Tr); texts kept in arrays carry QT_TRID_NOOP.
inline QString Tr(const char *text) { return qtTrId(text); }
