#pragma once

#include <QStringList>

// The one alphabetical order of the program: case-insensitive, and stable so
// equal names keep their store order. Every list chooser and the flash-card
// order use it, because ListChoice is an index shared between the choosers.
void sortAlphabetically(QStringList &items);

// The order itself, for sorting other records by a text key.
bool alphabeticallyBefore(const QString &a, const QString &b);
