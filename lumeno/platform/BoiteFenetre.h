#pragma once

#include "Boite.h"

class QWidget;

// The message service of the running program: a real modal QMessageBox.
class BoiteFenetre : public Boite {
public:
    explicit BoiteFenetre(QWidget* parent = nullptr) : parent_(parent) {}
    Reponse montrer(const Message& message) override;

private:
    QWidget* parent_;
};
