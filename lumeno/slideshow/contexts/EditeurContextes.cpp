#include "EditeurContextes.h"

#include "Boite.h"
#include "ChargementContextes.h"
#include "FichierContextes.h"
#include "Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>

namespace {

// The grid shows rows 1 to 201 of the contexts grid; row 0 is its header.
constexpr int kLignesVues = GrilleContextes::kLignes - 1;

int px(int twips, const QWidget* w) {
    return Twips::versPixels(twips, w->logicalDpiX());
}

} // namespace

EditeurContextes::EditeurContextes(GrilleContextes& grille, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      grille_(grille) {
    setObjectName("Form2");
    setWindowTitle("Lumeno");

    grilleVue_ = new QTableWidget(kLignesVues, GrilleContextes::kColonnes, this);
    grilleVue_->setObjectName("MSFlexGrid1");
    grilleVue_->verticalHeader()->hide();
    grilleVue_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grilleVue_->setSelectionMode(QAbstractItemView::SingleSelection);
    grilleVue_->setSelectionBehavior(QAbstractItemView::SelectItems);
    QFont gras = grilleVue_->font();
    gras.setBold(true);
    grilleVue_->setFont(gras);
    const int largeurs[GrilleContextes::kColonnes] = {500, 1400, 1400, 700, 700, 700, 1400};
    for (int c = 0; c < GrilleContextes::kColonnes; ++c)
        grilleVue_->setColumnWidth(c, px(largeurs[c], this));
    grilleVue_->installEventFilter(this);

    enregistrer_ = new QPushButton("Enregistrer ", this);
    enregistrer_->setObjectName("ContexteQuitter");
    quitter_ = new QPushButton("Quitter sans Enregistrer", this);
    quitter_->setObjectName("ContexteQuitter2");
    enregistrer_->setFocusPolicy(Qt::NoFocus);
    quitter_->setFocusPolicy(Qt::NoFocus);
    connect(enregistrer_, &QPushButton::clicked, this, [this] {
        if (crochets_.montrerFenetrePrincipale)
            crochets_.montrerFenetrePrincipale();
        ContexteEnregistrer();
    });
    connect(quitter_, &QPushButton::clicked, this, [this] { ContexteQuitter2_Click(); });

    minuscules_ = new QLabel(this);
    minuscules_->setObjectName("Minuscules");
    minuscules_->setStyleSheet("color: red; font-weight: bold;");
    info_ =
        new QLabel(" Il est possible de définir des contextes qui permettent de réaliser des diaporamas plus "
                   "sophistiqués qu'une recherche de date. Pour cela, il faut respecter la syntaxe.",
                   this);
    info_->setObjectName("Info01");
    info_->setWordWrap(true);

    // Fixed layout in twips, as the other windows of the program.
    int largeurGrille = 0;
    for (int l : largeurs)
        largeurGrille += l;
    largeurGrille += 400; // the vertical scroll bar
    grilleVue_->setGeometry(px(120, this), px(120, this), px(largeurGrille, this), px(6000, this));
    const int basGrille = 120 + 6000 + 120;
    info_->setGeometry(px(120, this), px(basGrille, this), px(largeurGrille, this), px(600, this));
    minuscules_->setGeometry(px(120, this), px(basGrille + 700, this), px(1800, this), px(375, this));
    quitter_->setGeometry(px(largeurGrille - 2 * 2300 + 120 - 120, this), px(basGrille + 700, this),
                          px(2300, this), px(495, this));
    enregistrer_->setGeometry(px(largeurGrille - 2300 + 120, this), px(basGrille + 700, this), px(2300, this),
                              px(495, this));
    setFixedSize(px(largeurGrille + 240, this), px(basGrille + 700 + 495 + 120, this));
    majLabelMinuscules();
}

void EditeurContextes::parametrer(const QString& dossierProgramme, int anneeMaxi, int anneeMini) {
    dossier_ = dossierProgramme;
    anneeMaxi_ = anneeMaxi;
    anneeMini_ = anneeMini;
}

void EditeurContextes::afficherCellule(int ligne, int colonne) {
    QTableWidgetItem* item = grilleVue_->item(ligne - 1, colonne);
    if (!item) {
        item = new QTableWidgetItem;
        grilleVue_->setItem(ligne - 1, colonne, item);
    }
    item->setText(grille_.texte(ligne, colonne));
}

void EditeurContextes::rafraichir() {
    QStringList entetes;
    for (int c = 0; c < GrilleContextes::kColonnes; ++c)
        entetes << grille_.texte(0, c);
    grilleVue_->setHorizontalHeaderLabels(entetes);
    for (int r = 1; r < GrilleContextes::kLignes; ++r)
        for (int c = 0; c < GrilleContextes::kColonnes; ++c)
            afficherCellule(r, c);
}

void EditeurContextes::majLabelMinuscules() {
    minuscules_->setText(modeMinuscules_ ? "Minuscules" : "Majuscules");
}

void EditeurContextes::ouvrir() {
    modeMinuscules_ = true;
    majLabelMinuscules();
    rafraichir();
    grilleVue_->setCurrentCell(0, 1);
    show();
    raise();
    activateWindow();
    grilleVue_->setFocus();
}

bool EditeurContextes::ContexteEnregistrer() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const FichierContextes::ResultatEnregistrement r = FichierContextes::enregistrer(grille_, dossier_);
    QApplication::restoreOverrideCursor();
    if (!r.ok) {
        Boite::critique("Erreur Contexte", r.erreur + " Les contextes restent ouverts dans l'éditeur.");
        return false;
    }
    fermetureVoulue_ = true;
    hide();
    fermetureVoulue_ = false;
    const ChargementContextes c = InitContexte(grille_, true, dossier_, anneeMaxi_, anneeMini_);
    if (crochets_.contextesRecharges)
        crochets_.contextesRecharges(c.noms);
    return true;
}

void EditeurContextes::ContexteQuitter2_Click() {
    fermetureVoulue_ = true;
    hide();
    fermetureVoulue_ = false;
    QApplication::restoreOverrideCursor();
    if (crochets_.montrerFenetrePrincipale)
        crochets_.montrerFenetrePrincipale();
}

void EditeurContextes::closeEvent(QCloseEvent* evenement) {
    evenement->accept();
    // Only the window system's close (the system menu, the title bar) ends the whole program; a
    // close from code, such as the program's own quit sequence closing its windows, does not.
    if (!fermetureVoulue_ && evenement->spontaneous() && crochets_.quitterProgramme)
        crochets_.quitterProgramme();
}

bool EditeurContextes::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet == grilleVue_ && evenement->type() == QEvent::KeyPress) {
        const auto* e = static_cast<QKeyEvent*>(evenement);
        const int touche = e->key();
        // Cursor moves stay with the grid.
        if (touche == Qt::Key_Left || touche == Qt::Key_Right || touche == Qt::Key_Up ||
            touche == Qt::Key_Down || touche == Qt::Key_PageUp || touche == Qt::Key_PageDown ||
            touche == Qt::Key_Home || touche == Qt::Key_End || touche == Qt::Key_Tab) {
            const bool traite = QWidget::eventFilter(objet, evenement);
            if (grilleVue_->currentRow() == 0 && grilleVue_->currentColumn() == 1)
                QMetaObject::invokeMethod(
                    this, [this] { Form_KeyDown(0); }, Qt::QueuedConnection);
            return traite;
        }
        Form_KeyDown(touche);
        return true;
    }
    return QWidget::eventFilter(objet, evenement);
}

void EditeurContextes::Form_KeyDown(int touche) {
    int ligne = grilleVue_->currentRow() + 1;
    int colonne = grilleVue_->currentColumn();
    // The first header cell always reads "CONTEXTE": the cursor moves to the name.
    if (ligne == 1 && colonne == 1) {
        colonne = 2;
        grilleVue_->setCurrentCell(0, 2);
    }
    if (touche == 0)
        return;
    if (ligne < 1 || colonne < 0)
        return;

    QString texte = grille_.texte(ligne, colonne);
    bool change = false;
    if (touche >= Qt::Key_A && touche <= Qt::Key_Z) {
        const QChar lettre(touche);
        texte += modeMinuscules_ ? lettre.toLower() : lettre;
        change = true;
    } else if (touche >= Qt::Key_0 && touche <= Qt::Key_9) {
        texte += QChar(touche);
        change = true;
    } else if (touche == Qt::Key_Space) {
        texte.clear();
        change = true;
    } else if (touche == Qt::Key_Backspace) {
        texte = texte.trimmed();
        if (!texte.isEmpty())
            texte.chop(1);
        change = true;
    } else if (touche == Qt::Key_CapsLock || touche == Qt::Key_Shift) {
        modeMinuscules_ = !modeMinuscules_;
        majLabelMinuscules();
    } else if (touche == Qt::Key_Escape) {
        ContexteQuitter2_Click();
    } else if (touche == Qt::Key_F1) {
        if (crochets_.aide)
            crochets_.aide();
    }
    if (change && colonne >= 1) {
        grille_.fixer(ligne, colonne, texte);
        afficherCellule(ligne, colonne);
    }
}
