// Text side of the IPTC record: character set, display values, setting texts.
#include "BlocIptc.h"
#include "Cp1252.h"
#include "DictionnaireIptc.h"

#include <QDate>
#include <QLocale>
#include <QTime>

namespace {

// Datasets of the application record that hold numbers or pictures, never text.
bool binaire(quint8 numero) {
    return numero == 0 || numero == 125 || numero == 200 || numero == 201 || numero == 202;
}

bool chiffres(const QString& texte, int n) {
    if (texte.size() < n)
        return false;
    for (int i = 0; i < n; ++i) {
        if (!texte[i].isDigit())
            return false;
    }
    return true;
}

QString texteDate(const QString& t) {
    if (!chiffres(t, 8))
        return t;
    const QDate date(t.left(4).toInt(), t.mid(4, 2).toInt(), t.mid(6, 2).toInt());
    return date.isValid() ? QLocale::system().toString(date, QLocale::ShortFormat) : t;
}

QString texteHeure(const QString& t) {
    if (!chiffres(t, 6))
        return t;
    const QTime heure(t.left(2).toInt(), t.mid(2, 2).toInt(), t.mid(4, 2).toInt());
    if (!heure.isValid())
        return t;
    QString texte = heure.toString(QStringLiteral("HH:mm:ss"));
    if (t.size() >= 11)
        texte += t.mid(6, 3) + QLatin1Char('h') + t.mid(9, 2);
    return texte;
}

QString texteCycle(const QByteArray& donnees) {
    switch (donnees.isEmpty() ? '\0' : donnees[0]) {
    case 'a':
        return QStringLiteral("le matin");
    case 'b':
        return QStringLiteral("l'après midi");
    case 'c':
        return QStringLiteral("matin et après-midi");
    default:
        return {};
    }
}

} // namespace

bool BlocIptc::estUtf8() const {
    for (const DonneeIptc& d : donnees_) {
        if (d.enregistrement == kEnveloppe && d.numero == kJeuCaracteres && d.donnees.contains(kJeuUtf8))
            return true;
    }
    return false;
}

QString BlocIptc::texte(const DonneeIptc& donnee) const {
    return estUtf8() ? QString::fromUtf8(donnee.donnees) : Cp1252::decoder(donnee.donnees);
}

QStringList BlocIptc::textes(quint8 numero, quint8 enregistrement) const {
    QStringList valeurs;
    for (const DonneeIptc& d : donnees_) {
        if (d.enregistrement == enregistrement && d.numero == numero)
            valeurs << texte(d);
    }
    return valeurs;
}

DescriptionIptc BlocIptc::decrire(const DonneeIptc& donnee) const {
    DescriptionIptc description{
        DictionnaireIptc::nomAnglais(donnee.numero), DictionnaireIptc::nomFrancais(donnee.numero), {}};
    switch (donnee.numero) {
    case 30:
    case 47:
    case 55:
        description.valeur = texteDate(texte(donnee));
        break;
    case 35:
    case 60:
        description.valeur = texteHeure(texte(donnee));
        break;
    case 75:
        description.valeur = texteCycle(donnee.donnees);
        break;
    default:
        description.valeur = texte(donnee);
    }
    return description;
}

void BlocIptc::definirTexte(quint8 marqueur, quint8 enregistrement, quint8 numero, const QString& texte,
                            int occurrence, bool ajout) {
    definirOctets(marqueur, enregistrement, numero, encoderTexte(enregistrement, texte), occurrence, ajout);
}

QByteArray BlocIptc::encoderTexte(quint8 enregistrement, const QString& texte) {
    if (estUtf8())
        return texte.toUtf8();
    if (Cp1252::encodable(texte) || enregistrement != kApplication)
        return Cp1252::encoder(texte);
    passerEnUtf8();
    return texte.toUtf8();
}

void BlocIptc::passerEnUtf8() {
    for (DonneeIptc& d : donnees_) {
        if (d.enregistrement == kApplication && !binaire(d.numero))
            d.donnees = Cp1252::decoder(d.donnees).toUtf8();
    }
    definirOctets(kMarqueur, kEnveloppe, kJeuCaracteres, kJeuUtf8, 1, false);
}
