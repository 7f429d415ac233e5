#pragma once
// Puts an RtfDocument into a QTextDocument for display.
#include "pagoret/rtf_document.h"

class QTextDocument;

namespace tolvane {

// Replaces the content of `target`. Twips become document pixels at `dotsPerInch`; sizes in
// points stay points, so the text keeps its size on screen and on paper.
void BuildTextDocument(const RtfDocument& document, double dotsPerInch, QTextDocument* target);

}  // namespace tolvane
