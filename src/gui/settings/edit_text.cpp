#include "settings/edit_text.h"

QString EditText(const std::string& stored)
{
    QString text = QString::fromStdString(stored);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    return text;
}

std::string StoredText(const QString& edited)
{
    QString text = edited;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    text.replace(QChar('\n'), QStringLiteral("\r\n"));
    return text.toStdString();
}
