#include "DiapositiveTexte.h"

#include "TexteFichier.h"
#include "Twips.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>

namespace {

const QString kFinLigne = QStringLiteral("\r\n");

void montrer(QWidget* w, bool visible) {
    if (w)
        w->setVisible(visible);
}

QColor couleur(const QString& mot) {
    const QString m = mot.trimmed();
    if (m == QLatin1String("Rouge"))
        return QColor(255, 0, 0);
    if (m == QLatin1String("Bleu"))
        return QColor(0, 0, 255);
    if (m == QLatin1String("Vert"))
        return QColor(0, 255, 0);
    if (m == QLatin1String("Jaune"))
        return QColor(255, 255, 0);
    return QApplication::palette().color(QPalette::HighlightedText);
}

} // namespace

DiapositiveTexte::Decoupage DiapositiveTexte::decouper(const QStringList& lignes) {
    Decoupage d;
    QStringList suite;
    for (const QString& ligne : lignes) {
        if (d.long_) {
            suite << ligne;
            continue;
        }
        if (ligne.isEmpty())
            continue;
        const qsizetype apres = d.texte.size() + (d.texte.isEmpty() ? 0 : kFinLigne.size()) + ligne.size();
        if (apres >= kLongueurMaxi) {
            d.long_ = true;
            suite << ligne;
            continue;
        }
        if (!d.texte.isEmpty())
            d.texte += kFinLigne;
        d.texte += ligne;
    }
    if (d.long_) {
        QStringList tout;
        if (!d.texte.isEmpty())
            tout << d.texte;
        tout << suite;
        d.texte = tout.join(kFinLigne);
    }
    return d;
}

bool DiapositiveTexte::afficher(const QString& chemin, const QString& couleurTexte, double largeurFenetre,
                                double dpi, bool& texteLong) {
    texteLong = false;
    const TexteFichier::Lecture lecture = TexteFichier::lire(chemin);
    if (!lecture.ok)
        return false;

    if (QLabel* label = vue_.MessageTexte) {
        const double largeur = largeurFenetre > 2000 ? largeurFenetre - 2000 : largeurFenetre;
        label->setGeometry(Twips::versPixels(800, dpi), Twips::versPixels(800, dpi),
                           Twips::versPixels(largeur, dpi), Twips::versPixels(4000, dpi));
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, couleur(couleurTexte));
        label->setPalette(p);
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
    }

    const Decoupage d = decouper(lecture.lignes);
    texteLong = d.long_;
    if (d.long_) {
        if (vue_.Frame4) {
            const int largeurCadre = Twips::versPixels(largeurFenetre - 1000, dpi);
            vue_.Frame4->resize(largeurCadre, vue_.Frame4->height());
            if (vue_.AjoutTexte)
                vue_.AjoutTexte->resize(largeurCadre - Twips::versPixels(1000, dpi),
                                        vue_.AjoutTexte->height());
        }
        if (vue_.AjoutTexte) {
            QFont police = vue_.AjoutTexte->font();
            police.setPointSize(11);
            vue_.AjoutTexte->setFont(police);
            vue_.AjoutTexte->setProperty("plainText", d.texte);
        }
        montrer(vue_.AjoutTexteValider, false);
        montrer(vue_.AjoutTexteSupprimer, false);
        montrer(vue_.AjoutTexteMessage1, false);
        montrer(vue_.AjoutTexteMessage2, false);
        montrer(vue_.Frame4, true);
        if (vue_.Frame4)
            vue_.Frame4->raise();
    } else if (vue_.MessageTexte) {
        vue_.MessageTexte->setText(d.texte);
        vue_.MessageTexte->show();
        vue_.MessageTexte->raise();
    }
    return true;
}

void DiapositiveTexte::masquer(bool texteLong) {
    if (texteLong) {
        montrer(vue_.Frame4, false);
        montrer(vue_.AjoutTexteValider, true);
        montrer(vue_.AjoutTexteSupprimer, true);
        montrer(vue_.AjoutTexteMessage1, true);
        montrer(vue_.AjoutTexteMessage2, true);
    } else {
        montrer(vue_.MessageTexte, false);
    }
}
