#pragma once

#include "AnimationApercu.h"

#include <QWidget>

class QLabel;
class QTimer;
class QWindow;

// The screen-saver preview: a black area where the word of AnimationApercu bounces. It fills the
// host it is given: a widget (tests, or a window of the program) or a native window of another
// program whose id came with "/p".
class frmScreenSaver : public QWidget {
    Q_OBJECT
public:
    // Preview inside a widget: it fills the host's area at (0, 0).
    explicit frmScreenSaver(QWidget* hote = nullptr);

    // Preview inside the native window whose id is given (X11 window id), sized to it and closed
    // when that window goes. Returns nullptr when the window system does not know that window.
    static frmScreenSaver* dansFenetreNative(quintptr idFenetre);

    // One step of the animation (the timer `tmrScreenSaver` calls it every 10 ms).
    void tic();

    const AnimationApercu& animation() const { return animation_; }
    QLabel* lblText() const { return lblText_; }
    QTimer* tmrScreenSaver() const { return tmrScreenSaver_; }

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void placerTexte();
    void suivreHote();
    double dpi() const;

    AnimationApercu animation_;
    QLabel* lblText_;
    QTimer* tmrScreenSaver_;
    QWindow* fenetreHote_ = nullptr;
    quintptr idHote_ = 0;
};
