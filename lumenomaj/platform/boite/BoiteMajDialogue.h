#pragma once

#include "BoiteMaj.h"

// The real message boxes, modal over the active window.
class BoiteMajDialogue : public BoiteMaj {
public:
    Reponse montrer(const Message& message) override;
};
