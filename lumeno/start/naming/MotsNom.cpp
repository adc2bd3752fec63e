#include "MotsNom.h"

#include <QVarLengthArray>

#include <algorithm>
#include <array>

namespace {

constexpr int kEmplacements = 20;

QChar plier(QChar c) {
    // ASCII letters, nearly every character of a name, stay as they are.
    const char16_t lettre = c.unicode() | 0x20;
    if (lettre >= u'a' && lettre <= u'z')
        return c;
    switch (c.unicode()) {
    case u'-':
    case u'_':
    case u'\'':
    case u'(':
    case u')':
    case u'°':
    case u'.':
    case u'&':
    case u'!':
    case u';':
    case u':':
    case u'*':
    case u'~':
    case u'^':
    case u'€':
    case u'@':
    case u'/':
    case u'\\':
        return QLatin1Char(' ');
    case u'é':
    case u'è':
    case u'ë':
    case u'ê':
        return QLatin1Char('e');
    case u'à':
    case u'â':
    case u'á':
        return QLatin1Char('a');
    case u'ç':
        return QLatin1Char('c');
    case u'ô':
    case u'ö':
        return QLatin1Char('o');
    case u'ü':
    case u'ù':
    case u'û':
        return QLatin1Char('u');
    case u'Î':
        return QLatin1Char('I');
    case u'î':
    case u'ï':
        return QLatin1Char('i');
    case u'É':
        return QLatin1Char('E');
    case u'ß':
        return QLatin1Char('S');
    default:
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            return QLatin1Char(' ');
        return c;
    }
}

bool minuscule(QChar c) {
    return c >= QLatin1Char('a') && c <= QLatin1Char('z');
}

// Codes 65 to 92: "A" to "Z", "[" and "\".
bool majusculeEtendue(QChar c) {
    return c.unicode() >= 65 && c.unicode() <= 92;
}

bool memeClasse(QChar a, QChar b) {
    return (minuscule(a) && minuscule(b)) || (majusculeEtendue(a) && majusculeEtendue(b));
}

} // namespace

QString plierTexte(const QString& texte) {
    QString t = texte;
    for (QChar& c : t)
        c = plier(c);
    return t.trimmed();
}

namespace {

void capitaliserEnPlace(QChar* c, qsizetype n) {
    for (qsizetype i = 1; i < n; ++i) {
        if (majusculeEtendue(c[i]))
            c[i] = QChar(c[i].unicode() + 32);
    }
    if (n > 0 && minuscule(c[0]))
        c[0] = QChar(c[0].unicode() - 32);
}

// In place, on a text of its own (no copy made on write).
void capitaliserEnPlace(QString& m) {
    capitaliserEnPlace(m.data(), m.size());
}

} // namespace

QString capitaliser(const QString& mot) {
    QString m = mot;
    capitaliserEnPlace(m);
    return m;
}

const QString* MotsConnus::trouver(QStringView mot) const {
    for (const QString& m : mots_) {
        if (QStringView(m) == mot)
            return &m;
    }
    return nullptr;
}

const QString& MotsConnus::dossierPlie(const QString& texte) {
    if (texte != dossier_) {
        dossier_ = texte;
        dossierPlie_ = texte;
        for (QChar& c : dossierPlie_)
            c = plier(c);
    }
    return dossierPlie_;
}

QString MotsConnus::retenir(QString mot) {
    if (mots_.size() < Maxi)
        mots_.push_back(mot);
    return mot;
}

QStringList extraireMots(const QString& texteMotsDossier, const QString& baseBourree, MotsConnus* connus) {
    // The folded source is built once in a local buffer; each slot is then a stretch of it.
    QVarLengthArray<QChar, 256> plie(texteMotsDossier.size() + 1 + baseBourree.size());
    QChar* sortie = plie.data();
    if (connus) {
        const QString& dossierPlie = connus->dossierPlie(texteMotsDossier);
        sortie = std::copy(dossierPlie.begin(), dossierPlie.end(), sortie);
    } else {
        sortie = std::transform(texteMotsDossier.begin(), texteMotsDossier.end(), sortie, plier);
    }
    *sortie++ = QLatin1Char(' ');
    std::transform(baseBourree.begin(), baseBourree.end(), sortie, plier);
    qsizetype debut = 0;
    qsizetype fin = plie.size();
    while (debut < fin && plie[debut].isSpace())
        ++debut;
    while (fin > debut && plie[fin - 1].isSpace())
        --fin;
    const QStringView t(plie.constData() + debut, fin - debut);
    if (t.size() <= 2)
        return {};
    const auto car = [&t](qsizetype i) { return i < t.size() ? t[i] : QLatin1Char(' '); };

    // A word that ends shorter than 2 characters is restarted in the same slot, a finished one
    // moves the building to the next slot, the 21st to the first. A word is always a stretch of
    // the folded text: where it starts and how long it is.
    struct Etendue {
        qsizetype debut = 0;
        qsizetype longueur = 0;
    };
    std::array<Etendue, kEmplacements> emplacements{};
    int j = 0;
    emplacements[j] = {0, 1};
    for (qsizetype i = 1; i < t.size(); ++i) {
        const QChar c = t[i];
        if (memeClasse(c, car(i + 1))) {
            ++emplacements[j].longueur;
        } else if (emplacements[j].longueur < 2) {
            emplacements[j] = {i, 1};
        } else {
            ++emplacements[j].longueur;
            if (i + 1 < t.size()) {
                j = (j + 1) % kEmplacements;
                ++i;
                emplacements[j] = {i, 1};
            }
        }
    }

    // The list is sized once: growing it word by word costs an allocation each time.
    qsizetype nombre = 0;
    for (const Etendue& e : emplacements)
        nombre += e.longueur >= 3;
    QStringList mots;
    mots.reserve(nombre);
    for (const Etendue& e : emplacements) {
        if (e.longueur < 3)
            continue;
        const QStringView mot = t.mid(e.debut, e.longueur).trimmed();
        if (mot.isEmpty())
            continue;
        if (!connus) {
            QString m = mot.toString();
            capitaliserEnPlace(m);
            mots.append(std::move(m));
            continue;
        }
        QVarLengthArray<QChar, 64> forme(mot.begin(), mot.end());
        capitaliserEnPlace(forme.data(), forme.size());
        const QStringView vue(forme.constData(), forme.size());
        if (const QString* connu = connus->trouver(vue))
            mots.append(*connu);
        else
            mots.append(connus->retenir(vue.toString()));
    }
    return mots;
}

QString texteMots(const QStringList& mots) {
    QString texte;
    texte.reserve(81);
    for (const QString& m : mots) {
        if (texte.size() + m.size() < 81) {
            texte += m;
            texte += QLatin1Char('-');
        }
    }
    return texte;
}
