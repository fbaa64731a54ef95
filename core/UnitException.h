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

// Translatable text of the program's own (captions and messages).
inline QString Tr(const char *text) { return QCoreApplication::translate("Orvalis", text); }
