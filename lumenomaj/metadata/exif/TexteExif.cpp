#include "TexteExif.h"

#include <QLocale>
#include <QStringDecoder>
#include <QtEndian>

namespace {

// Windows-1252 characters of the bytes 0x80 to 0x9F (0 where the code page has none).
constexpr char16_t windows1252[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

QString depuisWindows1252(QByteArrayView octets) {
    QString texte;
    texte.reserve(octets.size());
    for (char c : octets) {
        const uchar u = uchar(c);
        if (u >= 0x80 && u < 0xA0 && windows1252[u - 0x80] != 0) {
            texte.append(QChar(windows1252[u - 0x80]));
        } else {
            texte.append(QChar(u));
        }
    }
    return texte;
}

QLocale localeNombres() {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace

QString texteNombre(double nombre) {
    return localeNombres().toString(nombre, 'g', QLocale::FloatingPointShortest);
}

QString texteAscii(const QByteArray& donnees) {
    QByteArrayView octets(donnees);
    while (!octets.isEmpty() && octets.back() == '\0') {
        octets.chop(1);
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texte = utf8.decode(octets);
    if (!utf8.hasError()) {
        return texte;
    }
    return depuisWindows1252(octets);
}

QString texteXp(const QByteArray& donnees) {
    QString texte;
    texte.reserve(donnees.size() / 2);
    for (qsizetype i = 0; i + 1 < donnees.size(); i += 2) {
        const char16_t unite = qFromLittleEndian<quint16>(donnees.constData() + i);
        if (unite == 0) {
            break;
        }
        texte.append(QChar(unite));
    }
    return texte;
}

QString texteGenerique(const QByteArray& donnees, quint32 count, quint16 type) {
    const int taille = tailleComposant(type);
    if (taille == 0) {
        return {};
    }
    const auto* p = reinterpret_cast<const uchar*>(donnees.constData());
    const qsizetype nombre = qMin<qsizetype>(count, donnees.size() / taille);
    if (type == ExifAscii) {
        return texteAscii(donnees.left(nombre));
    }
    if (type == ExifUndefined) {
        return QStringLiteral("0x") + QString::fromLatin1(donnees.left(nombre).toHex().toUpper());
    }
    const QLocale locale = localeNombres();
    QStringList parties;
    parties.reserve(nombre);
    for (qsizetype i = 0; i < nombre; ++i) {
        const uchar* c = p + i * taille;
        switch (type) {
        case ExifByte:
        case ExifSByte: // shown 0 to 255 as well
            parties << QString::number(c[0]);
            break;
        case ExifShort:
            parties << QString::number(qFromLittleEndian<quint16>(c));
            break;
        case ExifSShort:
            parties << QString::number(qFromLittleEndian<qint16>(c));
            break;
        case ExifLong:
        case ExifIfd:
            parties << QString::number(qFromLittleEndian<quint32>(c));
            break;
        case ExifSLong:
            parties << QString::number(qFromLittleEndian<qint32>(c));
            break;
        case ExifRational:
            parties << QStringLiteral("%1/%2")
                           .arg(qFromLittleEndian<quint32>(c))
                           .arg(qFromLittleEndian<quint32>(c + 4));
            break;
        case ExifSRational:
            parties << QStringLiteral("%1/%2")
                           .arg(qFromLittleEndian<qint32>(c))
                           .arg(qFromLittleEndian<qint32>(c + 4));
            break;
        case ExifFloat:
            parties << locale.toString(double(qFromLittleEndian<float>(c)), 'g',
                                       QLocale::FloatingPointShortest);
            break;
        case ExifDouble:
            parties << locale.toString(qFromLittleEndian<double>(c), 'g', QLocale::FloatingPointShortest);
            break;
        default:
            break;
        }
    }
    return parties.join(QLatin1Char(','));
}

std::optional<double> nombreValeur(const QByteArray& donnees, quint16 type) {
    const int taille = tailleComposant(type);
    if (taille == 0 || donnees.size() < taille || type == ExifAscii || type == ExifUndefined) {
        return std::nullopt;
    }
    const auto* c = reinterpret_cast<const uchar*>(donnees.constData());
    switch (type) {
    case ExifByte:
        return double(c[0]);
    case ExifSByte:
        return double(qint8(c[0]));
    case ExifShort:
        return double(qFromLittleEndian<quint16>(c));
    case ExifSShort:
        return double(qFromLittleEndian<qint16>(c));
    case ExifLong:
    case ExifIfd:
        return double(qFromLittleEndian<quint32>(c));
    case ExifSLong:
        return double(qFromLittleEndian<qint32>(c));
    case ExifRational: {
        const quint32 d = qFromLittleEndian<quint32>(c + 4);
        if (d == 0) {
            return std::nullopt;
        }
        return double(qFromLittleEndian<quint32>(c)) / double(d);
    }
    case ExifSRational: {
        const qint32 d = qFromLittleEndian<qint32>(c + 4);
        if (d == 0) {
            return std::nullopt;
        }
        return double(qFromLittleEndian<qint32>(c)) / double(d);
    }
    case ExifFloat:
        return double(qFromLittleEndian<float>(c));
    case ExifDouble:
        return qFromLittleEndian<double>(c);
    default:
        return std::nullopt;
    }
}
