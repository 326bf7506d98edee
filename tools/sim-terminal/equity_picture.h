// The equity curve: balance and equity over the test, drawn with GDI into the summary pane and
// into a PNG file beside the trades file, the same picture both times.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "practice/equity_curve.h"

namespace pelmora::sim_terminal {

// Paints over `area` (its background included): the balance as a step line, the equity and
// the lowest equity of each point, the deposit as a dotted line, the highest and lowest money
// on the left, the first and last dates below.
void paint_equity(HDC dc, const RECT& area, const std::vector<practice::CurvePoint>& points,
                  double deposit);

// The same picture, `width` by `height`, written as a PNG file; false with the reason in
// `error`.
bool save_equity_png(const std::filesystem::path& file, int width, int height,
                     const std::vector<practice::CurvePoint>& points, double deposit,
                     std::wstring* error);

}  // namespace pelmora::sim_terminal
