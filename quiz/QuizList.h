#pragma once

#include "QuizRules.h"

#include <QString>

// Whether the stored list `name` can make a quiz. It is read with LoadList,
// the same reader the quiz uses, and the shared list is put back, so asking
// changes nothing.
bool listCanMakeQuestions(const QString &name);
