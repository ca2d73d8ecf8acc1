#pragma once
// The two scale steppers of the result views: each click makes the longest
// diagram ordinate 0.2 cm longer (plus) or shorter (minus), or the largest
// drawn displacement 0.2 model units longer or shorter.
#include <cstdint>
#include <optional>

struct ResultExtrema;
struct Settings;

enum class ScaleStep { Plus, Minus };

// The new scale f' after one click for the current scale f (units per cm)
// and the largest absolute value M: plus f M / (f s + M), minus
// f M / (M - f s), with s the step the longest ordinate takes, rounded to
// `decimals`. Nothing when the click is refused: M or f not a positive
// number, a denominator of 0 or less (minus once the longest ordinate is s or
// shorter), or a result that is not a positive single-precision number.
std::optional<float> steppedScale(double f, double m, double step, ScaleStep direction,
                                  int decimals);

// One click in the drawing mode: in the [N] diagram the scale of each
// quantity whose Show_ flag is on, in the deformed model and the animation
// the magnification Ena_cm_posa_m_epi_1000; nothing in the other modes.
// Returns whether a scale was stored.
bool stepDiagramScale(Settings &s, const ResultExtrema &x, std::int16_t drawingMode,
                      ScaleStep direction);
