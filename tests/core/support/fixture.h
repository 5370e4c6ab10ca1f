#pragma once

#include "databasefixture.h"

// The widget-free tests' fixture has the name the screens' fixture has, so
// that a test that needs no widgets moves between the two programs unchanged.
using DatabaseTest = DatabaseFixture;
