#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Ends the screen saver: while it watches a window, any key except the space bar and any left
// click or double-click on that window or one of its controls asks for the end. The right button
// is left alone so that the pop-up menu still opens, and nothing inside a pop-up menu counts.
class SortieVeille : public QObject {
    Q_OBJECT
public:
    explicit SortieVeille(QObject* parent = nullptr);
    ~SortieVeille() override;

    void surveiller(QWidget* fenetre);
    void arreter();
    bool actif() const { return !fenetre_.isNull(); }

signals:
    // Emitted once per watch: the program quits.
    void finDemandee();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    QPointer<QWidget> fenetre_;
    bool demandee_ = false;
};
