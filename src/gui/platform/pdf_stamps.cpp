#include "platform/pdf_stamps.h"

#include <QRegularExpression>
#include <charconv>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>

QDateTime PrintTime()
{
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    if (epoch == nullptr || *epoch == '\0')
        return QDateTime::currentDateTime();
    const std::string_view text(epoch);
    long long seconds = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (error != std::errc() || end != text.data() + text.size())
        throw std::invalid_argument("SOURCE_DATE_EPOCH is not a number of seconds: " +
                                    std::string(text));
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
}

void NormalisePdfStamps(QByteArray& pdf, const QDateTime& printed)
{
    const auto replaceAll = [&pdf](const QRegularExpression& pattern, const auto& replacement) {
        QRegularExpressionMatchIterator matches = pattern.globalMatch(QString::fromLatin1(pdf));
        while (matches.hasNext()) {
            const QRegularExpressionMatch match = matches.next();
            const QByteArray with = replacement(match).toLatin1();
            if (with.size() == match.capturedLength(1))
                pdf.replace(match.capturedStart(1), with.size(), with);
        }
    };
    const QDateTime utc = printed.toUTC();
    static const QRegularExpression PdfDate(R"(/(?:CreationDate|ModDate) ?\((D:[0-9]{14}[^)]*)\))");
    replaceAll(PdfDate, [&](const QRegularExpressionMatch& match) {
        QString date = QStringLiteral("D:") + utc.toString(QStringLiteral("yyyyMMddHHmmss"));
        date += QStringLiteral("Z");
        return date.leftJustified(static_cast<int>(match.capturedLength(1)), u' ');
    });
    static const QRegularExpression XmpDate(
        R"(<xmp:(?:CreateDate|ModifyDate|MetadataDate)>([^<]*)<)");
    replaceAll(XmpDate, [&](const QRegularExpressionMatch& match) {
        QString date = utc.toString(Qt::ISODate);
        return date.leftJustified(static_cast<int>(match.capturedLength(1)), u' ');
    });
    static const QRegularExpression Uuid(
        R"(([0-9a-fA-F]{8}-[0-9a-fA-F]{4}-[0-9a-fA-F]{4}-[0-9a-fA-F]{4}-[0-9a-fA-F]{12}))");
    replaceAll(Uuid, [](const QRegularExpressionMatch&) {
        return QStringLiteral("00000000-0000-0000-0000-000000000000");
    });
    static const QRegularExpression Id(R"(/ID ?\[ ?<([0-9a-fA-F]+)>)");
    replaceAll(Id, [](const QRegularExpressionMatch& match) {
        return QString(match.capturedLength(1), u'0');
    });
}
