#pragma once

class QLabel;
class QWidget;

// What a screen reader calls control: the words beside it on the screen, or what a button whose
// caption is a symbol does.
void SetAccessibleName(QWidget& control, const char* name);

// label is the text beside control: it becomes the control's buddy, and the control is called
// by the label's text without its colon, or by name where that text alone would be ambiguous
// (two "Filter:" labels on one frame).
void LabelControl(QLabel& label, QWidget& control, const char* name = nullptr);
