#pragma once

class QLocale;

// Gives the core's number texts the separators of the user's locale.
void applyLocaleSeparators(const QLocale& locale);
