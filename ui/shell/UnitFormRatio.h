#pragma once
// "FormRatio": the share of a two-pane window's height that its upper pane takes, kept in the
// settings so the templates and reports windows open split where the user left them.
class QSplitter;
class TSettings;

// Splits `splitter` at the stored ratio of `windowHeight` (0.3 when none or out of range), each
// pane keeping at least `minimumPart` pixels. Without settings the default holds.
void SplitAtFormRatio(QSplitter *splitter, int windowHeight, TSettings *settings, int minimumPart = 20);
// The user moved the splitter: the upper pane's share of the window is the new ratio.
void StoreFormRatio(int upperHeight, int windowHeight, TSettings *settings);
