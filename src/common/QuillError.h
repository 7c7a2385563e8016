#pragma once

#include <QString>
#include <exception>

// The one error type of the program: a conversion, a file operation or the report engine failed.
// The window's general error handler shows message() in an error box.
class QuillError : public std::exception
{
public:
    explicit QuillError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8())
    {
    }
    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};
