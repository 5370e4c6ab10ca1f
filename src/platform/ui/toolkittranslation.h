#pragma once

class QCoreApplication;

// Makes the toolkit's own texts German ("Abbrechen" on input boxes, the
// folder dialog's "Suchen in"), whatever language the machine is set to.
// Returns false when the translation is not installed; the texts then stay
// English and the program works on.
bool installGermanToolkitTexts(QCoreApplication &app);
