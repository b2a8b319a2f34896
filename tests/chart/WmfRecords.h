#pragma once

#include <QByteArray>
#include <QList>
#include <QtEndian>

// Splits a placeable metafile into its records, checking the framing as it goes,
// for tests that look inside the files the chart writer produces.
namespace virelai::testing {

struct Record
{
    quint16 function = 0;
    QByteArray parameters; // after the size and function words
    quint16 word(int i) const { return qFromLittleEndian<quint16>(parameters.constData() + 2 * i); }
    qint16 signedWord(int i) const { return qint16(word(i)); }
};

inline quint16 wordAt(const QByteArray &bytes, qsizetype offset)
{
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

inline quint32 dwordAt(const QByteArray &bytes, qsizetype offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

constexpr qsizetype PlaceableSize = 22;
constexpr qsizetype HeaderSize = 18;

// The records after the header, or an empty list with *error set when the framing
// is broken (a size under 3 words, past the end, or no end record last).
inline QList<Record> records(const QByteArray &file, QString *error)
{
    QList<Record> found;
    qsizetype offset = PlaceableSize + HeaderSize;
    while (offset + 6 <= file.size()) {
        const quint32 words = dwordAt(file, offset);
        if (words < 3 || qsizetype(words) * 2 > file.size() - offset) {
            *error = QStringLiteral("bad record size %1 at %2").arg(words).arg(offset);
            return {};
        }
        Record record;
        record.function = wordAt(file, offset + 4);
        record.parameters = file.mid(offset + 6, qsizetype(words) * 2 - 6);
        found.append(record);
        offset += qsizetype(words) * 2;
        if (record.function == 0)
            break;
    }
    if (offset != file.size() || found.isEmpty() || found.last().function != 0)
        *error = QStringLiteral("records do not end with the end record at the end of the file");
    return error->isEmpty() ? found : QList<Record> {};
}

// Record functions the tests look for.
enum Function : quint16 {
    TextOut = 0x0521,
    SelectObject = 0x012D,
    DeleteObject = 0x01F0,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    CreateBrushIndirect = 0x02FC,
};

// The text of every TEXTOUT record, as the bytes stored.
inline QList<QByteArray> texts(const QList<Record> &all)
{
    QList<QByteArray> found;
    for (const Record &record : all) {
        if (record.function == TextOut)
            found.append(record.parameters.mid(2, record.word(0)));
    }
    return found;
}

} // namespace virelai::testing
