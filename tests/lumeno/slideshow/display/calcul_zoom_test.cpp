#include "CalculZoom.h"

#include <gtest/gtest.h>

TEST(SlideshowCalculZoom, RectangleToZoomBar) {
    // Photo shown 11916 x 7944.
    struct Cas {
        const char* nom;
        CalculZoom::Rectangle r;
        double facteur;
        std::optional<int> attendu;
    } cas[] = {
        {"300 twips wide: back to fitted", {1000, 1000, 1300, 3000}, 0, std::nullopt},
        {"300 twips high: back to fitted", {1000, 1000, 4000, 1300}, 0, std::nullopt},
        {"a tenth of the width is capped at x4", {0, 0, 1191.6, 800}, 0, 40},
        {"same factor again gives x3.9", {0, 0, 1191.6, 800}, 4.0, 39},
        {"tall rectangle by height: 7944 / 3972 = x2", {0, 0, 1000, 3972}, 0, 20},
        {"wide rectangle by width: 11916 / 5958 = x2", {0, 0, 5958, 1000}, 0, 20},
        {"larger than the photo: below the bar", {0, 0, 20000, 10000}, 0, 5},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(CalculZoom::valeurBarre(c.r, 11916, 7944, c.facteur), c.attendu) << c.nom;

    const CalculZoom::Rectangle o = CalculZoom::ordonner(500, 900, 100, 200);
    EXPECT_EQ(o.x0, 100);
    EXPECT_EQ(o.y0, 200);
    EXPECT_EQ(o.x1, 500);
    EXPECT_EQ(o.y1, 900);
}

TEST(SlideshowCalculZoom, ApplyingTheZoomPlacesThePhotoAndTheBars) {
    // x2 on the corner (1000, 1000) of a 11916 x 7944 photo in a 12000 x 9000 window.
    const auto p = CalculZoom::appliquer(2.0, 1000, 1000, 11916, 7944, 12000, 9000);
    ASSERT_TRUE(p);
    EXPECT_DOUBLE_EQ(p->largeur, 23832);
    EXPECT_DOUBLE_EQ(p->hauteur, 15888);
    // top -2000 over a travel of -6888: 29 %.
    EXPECT_DOUBLE_EQ(p->haut, -2000);
    EXPECT_EQ(p->barreVerticale, 29);
    // left 2000 - 2 x 1000 = 0: below 1 %, the bar at 1 and the photo at 1 twip.
    EXPECT_EQ(p->barreHorizontale, 1);
    EXPECT_DOUBLE_EQ(p->gauche, 1);

    // Corner far right and down: past the travel, the bars at 100 and the photo at the far edge.
    const auto fin = CalculZoom::appliquer(4.0, 11000, 7000, 11916, 7944, 12000, 9000);
    ASSERT_TRUE(fin);
    EXPECT_EQ(fin->barreVerticale, 100);
    EXPECT_EQ(fin->barreHorizontale, 100);
    EXPECT_DOUBLE_EQ(fin->haut, 9000 - 4 * 7944.0);
    EXPECT_DOUBLE_EQ(fin->gauche, 12000 - 4 * 11916.0);

    // Pan: value 1 shows the top edge area, 100 the bottom edge.
    EXPECT_DOUBLE_EQ(CalculZoom::deplacement(9000, 15888, 100), -6888);
    EXPECT_DOUBLE_EQ(CalculZoom::deplacement(9000, 15888, 1), -68.88);

    // A photo exactly as high as the window has no travel: no zoom position.
    EXPECT_FALSE(CalculZoom::appliquer(1.0, 0, 0, 9000, 9000, 12000, 9000));
}
