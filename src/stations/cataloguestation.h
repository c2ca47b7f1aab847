#pragma once

#include <QString>

// One station of a catalogue list. A slot is empty when its name is empty.
struct CatalogueStation
{
    QString PageUrl;
    QString Name;
    QString LabelText;

    bool isEmpty() const { return Name.isEmpty(); }
};
