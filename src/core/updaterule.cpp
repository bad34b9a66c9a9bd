#include "core/updaterule.h"
#include "model/variabl.h"
#include "platform/textfile.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <optional>

bool AnswerNamesThisVersion(const QString& answer)
{
    // Zero-based index 3 is the fourth character.
    return answer.indexOf(ThisVersionMark) >= 3;
}

bool UpdateNoticeDue(const QString& answer, int32 successfulRequests)
{
    return successfulRequests == 0 && !AnswerNamesThisVersion(answer);
}

namespace {

QString CharsetOf(const QString& contentType)
{
    static const QRegularExpression charset(QStringLiteral("charset\\s*=\\s*\"?([^\";\\s]+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    return charset.match(contentType).captured(1);
}

// Decodes with the named codec; no value when no name is given or Qt does not know it.
std::optional<QString> DecodeAs(const QByteArray& body, const QString& codecName)
{
    if (codecName.isEmpty())
        return std::nullopt;
    QStringDecoder decoder(codecName.toLatin1().constData());
    if (!decoder.isValid())
        return std::nullopt;
    return QString(decoder(body));
}

}  // namespace

QString DecodeUpdateAnswer(const QByteArray& body, const QString& contentType)
{
    if (const std::optional<QString> named = DecodeAs(body, CharsetOf(contentType)))
        return *named;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(body);
    if (!utf8.hasError())
        return text;
    return DecodeAs(body, QStringLiteral("windows-1252")).value_or(QString::fromLatin1(body));
}

namespace {

// An address is a line; anything longer is not the settings file.
constexpr qint64 LargestUpdateAddressFile = 2048;

}  // namespace

QUrl UpdateAddressOf(const QString& text)
{
    const QUrl address(text.trimmed(), QUrl::StrictMode);
    if (!address.isValid() || address.scheme() != QLatin1String("https") || address.host().isEmpty())
        return QUrl();
    return address;
}

QUrl ParseUpdateAddressFile(const QByteArray& bytes)
{
    if (bytes.size() > LargestUpdateAddressFile)
        return QUrl();
    QStringList lines = SplitTextLines(DecodeWindows1252(bytes));
    // Many editors end a file with an empty line; blank lines after the address are no line.
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast();
    return lines.size() == 1 ? UpdateAddressOf(lines.front()) : QUrl();
}

QUrl ConfiguredUpdateAddress(const QString& settingsDir, const QString& buildAddress)
{
    QFile file(settingsDir + UpdateAddressFileName);
    if (file.open(QIODevice::ReadOnly)) {
        const QUrl address = ParseUpdateAddressFile(file.read(LargestUpdateAddressFile + 1));
        if (!address.isEmpty())
            return address;
    }
    return UpdateAddressOf(buildAddress);
}
