#include "SortieVeille.h"

#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

struct Fenetre {
    Fenetre() : photo(&fenetre) {
        photo.setObjectName(QStringLiteral("Image1"));
        fenetre.resize(400, 300);
        photo.setGeometry(0, 0, 400, 300);
        fenetre.show();
        fenetre.activateWindow();
        fenetre.setFocus();
    }
    QWidget fenetre;
    QLabel photo;
};

} // namespace

TEST(screensaver_SortieVeille, SpaceBarDoesNotEndOtherKeysDo) {
    const struct {
        Qt::Key touche;
        bool fin;
    } cas[] = {{Qt::Key_Space, false}, {Qt::Key_A, true}, {Qt::Key_Escape, true}, {Qt::Key_Return, true}};
    for (const auto& c : cas) {
        Fenetre f;
        SortieVeille sortie;
        QSignalSpy fin(&sortie, &SortieVeille::finDemandee);
        sortie.surveiller(&f.fenetre);
        QTest::keyClick(&f.fenetre, c.touche);
        EXPECT_EQ(fin.count(), c.fin ? 1 : 0) << c.touche;
    }
}

TEST(screensaver_SortieVeille, LeftClickOrDoubleClickOnThePhotoEnds) {
    {
        Fenetre f;
        SortieVeille sortie;
        QSignalSpy fin(&sortie, &SortieVeille::finDemandee);
        sortie.surveiller(&f.fenetre);
        QTest::mouseClick(&f.photo, Qt::LeftButton);
        EXPECT_EQ(fin.count(), 1);
        QTest::keyClick(&f.fenetre, Qt::Key_A); // asked once only
        EXPECT_EQ(fin.count(), 1);
    }
    {
        Fenetre f;
        SortieVeille sortie;
        QSignalSpy fin(&sortie, &SortieVeille::finDemandee);
        sortie.surveiller(&f.fenetre);
        QTest::mouseDClick(&f.fenetre, Qt::LeftButton);
        EXPECT_EQ(fin.count(), 1);
    }
}

TEST(screensaver_SortieVeille, RightClickLeavesThePopUpMenuAndWakeUpStopsTheWatch) {
    Fenetre f;
    SortieVeille sortie;
    QSignalSpy fin(&sortie, &SortieVeille::finDemandee);
    sortie.surveiller(&f.fenetre);
    QTest::mouseClick(&f.photo, Qt::RightButton);
    EXPECT_EQ(fin.count(), 0);

    QMenu menu;
    menu.addAction(QStringLiteral("Play"));
    menu.popup(QPoint(10, 10));
    QTest::keyClick(&menu, Qt::Key_Down);
    EXPECT_EQ(fin.count(), 0);
    menu.close();

    // Waking up (a menu entry was chosen) gives the keys and clicks back to the program.
    sortie.arreter();
    QTest::keyClick(&f.fenetre, Qt::Key_A);
    QTest::mouseClick(&f.photo, Qt::LeftButton);
    EXPECT_EQ(fin.count(), 0);
    EXPECT_FALSE(sortie.actif());
}
