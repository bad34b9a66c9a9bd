#include "platform/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

const char* const CodePage = "windows-1252";

// The 256 characters that the code page's bytes stand for.
const QSet<char16_t>& CodePageCharacters()
{
    static const QSet<char16_t> characters = [] {
        QByteArray everyByte(256, '\0');
        for (int b = 0; b < 256; ++b)
            everyByte[b] = static_cast<char>(b);
        const QString decoded = DecodeWindows1252(everyByte);
        QSet<char16_t> set;
        for (const QChar c : decoded)
            set.insert(c.unicode());
        return set;
    }();
    return characters;
}

// The text with "?" in place of every character the code page lacks (a surrogate pair
// stands for one character and gives one "?").
QString LimitedToCodePage(const QString& text)
{
    const QSet<char16_t>& known = CodePageCharacters();
    QString limited;
    limited.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        limited.append(known.contains(c.unicode()) ? c : QLatin1Char('?'));
    }
    return limited;
}

}  // namespace

QByteArray EncodeWindows1252(const QString& text)
{
    QStringEncoder encoder(CodePage);
    return encoder.encode(LimitedToCodePage(text));
}

QString DecodeWindows1252(const QByteArray& bytes)
{
    QStringDecoder decoder(CodePage);
    return decoder.decode(bytes);
}

QString AsWindows1252(const QString& text)
{
    return DecodeWindows1252(EncodeWindows1252(text));
}

QStringList SplitTextLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines << text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines << text.mid(start);
    return lines;
}

std::optional<QStringList> ReadTextLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return SplitTextLines(DecodeWindows1252(bytes));
}

std::optional<QStringList> ReadTextLines(const QString& path, qint64 maxBytes)
{
    if (QFileInfo(path).size() > maxBytes)
        return std::nullopt;
    return ReadTextLines(path);
}

bool WriteTextLines(const QString& path, const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += EncodeWindows1252(line);
        bytes += "\r\n";
    }
    return WriteFileBytes(path, bytes);
}

bool WriteFileBytes(const QString& path, const QByteArray& bytes)
{
    // The write only fills the device's buffer: the data reaches the file, and a full disk or
    // a size limit shows, at the flush. The old file is replaced only when both succeeded.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
