#pragma once

// Qt's own texts (standard buttons, the print dialog) in Slovak like the rest of the
// program, when Qt's translations are installed; otherwise they stay in English. Loads
// once, however often it is called.
void nacti_preklad_qt();
