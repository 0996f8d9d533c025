#include "files/countedtexts.h"

#include <QtEndian>

std::optional<QByteArray> OneRecordFile(const QList<QByteArray>& texts, qsizetype maxTextBytes)
{
    QByteArray out(4, '\0');
    qToLittleEndian<qint32>(1, out.data());
    for (const QByteArray& text : texts) {
        if (text.size() > maxTextBytes || text.size() > 0xFFFF)
            return std::nullopt;
        char length[2];
        qToLittleEndian<quint16>(quint16(text.size()), length);
        out.append(length, 2);
        out.append(text);
    }
    return out;
}

std::optional<qint32> CountedTextsReader::count()
{
    if (m_bytes.size() - m_pos < 4)
        return std::nullopt;
    const qint32 n = qFromLittleEndian<qint32>(m_bytes.data() + m_pos);
    m_pos += 4;
    return n;
}

std::optional<QByteArrayView> CountedTextsReader::text()
{
    m_cut = {};
    if (m_bytes.size() - m_pos < 2) {
        m_pos = m_bytes.size();
        return std::nullopt;
    }
    const quint16 length = qFromLittleEndian<quint16>(m_bytes.data() + m_pos);
    m_pos += 2;
    if (m_bytes.size() - m_pos < length) {
        m_cut = m_bytes.sliced(m_pos);
        m_pos = m_bytes.size();
        return std::nullopt;
    }
    const QByteArrayView text = m_bytes.sliced(m_pos, length);
    m_pos += length;
    return text;
}
