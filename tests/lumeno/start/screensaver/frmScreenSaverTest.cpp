#include "frmScreenSaver.h"

#include "Hasard.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

TEST(screensaver_frmScreenSaver, FillsItsHostAndBouncesInside) {
    Hasard::fixer([] { return 0.99; });
    QWidget hote;
    hote.resize(152, 112); // the size of a display-settings preview
    frmScreenSaver apercu(&hote);
    hote.show();
    Hasard::fixer({});

    EXPECT_EQ(apercu.geometry(), QRect(0, 0, 152, 112));
    EXPECT_EQ(apercu.tmrScreenSaver()->interval(), 10);
    EXPECT_TRUE(apercu.tmrScreenSaver()->isActive());
    QLabel* texte = apercu.findChild<QLabel*>(QStringLiteral("lblText"));
    ASSERT_NE(texte, nullptr);
    EXPECT_EQ(texte->text(), QStringLiteral("Lumeno"));
    EXPECT_TRUE(texte->font().bold());
    EXPECT_EQ(texte->font().pointSize(), 18);

    apercu.tmrScreenSaver()->stop();
    for (int i = 1; i < 300; ++i) {
        apercu.tic();
        // Never further out than one step past an edge.
        EXPECT_GT(texte->x(), -3) << i;
        EXPECT_LT(texte->x() + texte->width(), hote.width() + 3) << i;
        EXPECT_LT(texte->y(), hote.height() + 3) << i;
    }
    apercu.tic();
    EXPECT_EQ(texte->text(), QStringLiteral("Photos"));
    EXPECT_EQ(texte->pos(), QPoint(0, 0));

    hote.resize(300, 200);
    EXPECT_EQ(apercu.size(), QSize(300, 200));
}

TEST(screensaver_frmScreenSaver, UnknownNativeWindowGivesNoPreview) {
    // Headless there is no window system to hold a foreign window.
    frmScreenSaver* apercu = frmScreenSaver::dansFenetreNative(0);
    EXPECT_EQ(apercu, nullptr);
    delete apercu;
}
