#pragma once
// The texts of a PDF file that Qt's PDF writer made: one entry per text run (BT ... ET), its
// glyphs turned back into characters through the fonts' ToUnicode maps. Enough for the
// print-out tests; not a reader of PDF files in general.

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>
#include <QtEndian>

namespace pdftext {

// The objects' dictionaries and their streams, inflated where they are compressed.
struct PdfObject {
    QByteArray dictionary;
    QByteArray stream;
};

inline QByteArray Inflate(const QByteArray& data)
{
    QByteArray sized(4, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(data.size() * 20 + 1024), sized.data());
    return qUncompress(sized + data);
}

inline QHash<int, PdfObject> Objects(const QByteArray& pdf)
{
    QHash<int, PdfObject> objects;
    static const QRegularExpression object(QStringLiteral("(\\d+) 0 obj(.*?)endobj"),
                                           QRegularExpression::DotMatchesEverythingOption);
    const QString text = QString::fromLatin1(pdf);
    for (auto it = object.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QByteArray body = m.captured(2).toLatin1();
        PdfObject o;
        const qsizetype start = body.indexOf("stream");
        o.dictionary = start < 0 ? body : body.left(start);
        if (start >= 0) {
            qsizetype from = start + 6;
            while (from < body.size() && (body.at(from) == '\r' || body.at(from) == '\n'))
                ++from;
            const QByteArray raw = body.mid(from, body.lastIndexOf("endstream") - from);
            o.stream = o.dictionary.contains("/FlateDecode") ? Inflate(raw) : raw;
        }
        objects.insert(m.captured(1).toInt(), o);
    }
    return objects;
}

// Glyph code -> character of one ToUnicode map (bfrange with arrays or a start code, bfchar).
inline QHash<uint, QChar> UnicodeMap(const QByteArray& cmap)
{
    QHash<uint, QChar> map;
    const QString text = QString::fromLatin1(cmap);
    static const QRegularExpression range(
        QStringLiteral("<([0-9A-Fa-f]+)> <([0-9A-Fa-f]+)> (\\[[^\\]]*\\]|<[0-9A-Fa-f]+>)"));
    static const QRegularExpression hex(QStringLiteral("<([0-9A-Fa-f]+)>"));
    for (auto it = range.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        uint code = m.captured(1).toUInt(nullptr, 16);
        const uint last = m.captured(2).toUInt(nullptr, 16);
        const QString target = m.captured(3);
        if (target.startsWith(QLatin1Char('['))) {
            for (auto h = hex.globalMatch(target); h.hasNext() && code <= last; ++code)
                map.insert(code, QChar(h.next().captured(1).toUInt(nullptr, 16)));
        } else {
            for (uint u = target.mid(1, target.size() - 2).toUInt(nullptr, 16); code <= last; ++code, ++u)
                map.insert(code, QChar(u));
        }
    }
    return map;
}

inline QStringList TextRuns(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray pdf = file.readAll();
    const QHash<int, PdfObject> objects = Objects(pdf);
    // Font resource name -> its ToUnicode map.
    QHash<QString, QHash<uint, QChar>> fonts;
    static const QRegularExpression fontRef(QStringLiteral("/(F\\d+) (\\d+) 0 R"));
    static const QRegularExpression toUnicode(QStringLiteral("/ToUnicode (\\d+) 0 R"));
    for (auto it = fontRef.globalMatch(QString::fromLatin1(pdf)); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QRegularExpressionMatch u =
            toUnicode.match(QString::fromLatin1(objects.value(m.captured(2).toInt()).dictionary));
        if (u.hasMatch())
            fonts.insert(m.captured(1), UnicodeMap(objects.value(u.captured(1).toInt()).stream));
    }
    QStringList runs;
    static const QRegularExpression token(
        QStringLiteral("(BT|ET)\\b|/(F\\d+) [\\d.]+ Tf|<([0-9A-Fa-f]+)> Tj"));
    for (const PdfObject& o : objects) {
        if (!o.stream.contains("BT"))
            continue;
        QString font, run;
        for (auto it = token.globalMatch(QString::fromLatin1(o.stream)); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            if (m.captured(1) == QLatin1String("BT")) {
                run.clear();
            } else if (m.captured(1) == QLatin1String("ET")) {
                runs << run;
            } else if (!m.captured(2).isEmpty()) {
                font = m.captured(2);
            } else {
                const QString glyphs = m.captured(3);
                for (qsizetype i = 0; i + 4 <= glyphs.size(); i += 4) {
                    const QChar c = fonts.value(font).value(glyphs.mid(i, 4).toUInt(nullptr, 16));
                    run += c == QLatin1Char('\t') ? QLatin1Char(' ') : c;
                }
            }
        }
    }
    return runs;
}

}  // namespace pdftext
