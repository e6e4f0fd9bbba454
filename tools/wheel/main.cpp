// Writes HCDATA.DAT (cusp label places of the American wheel) and RADIUS.DAT
// (planet glyph radius per degree of wheel angle) from the wheel geometry.
// Usage: kairotex_wheel_tables <output folder>
#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "common/dat_file.h"
#include "wheel/cusp_labels.h"
#include "wheel/glyph_radius.h"
#include "wheel/wheel_check.h"

namespace {

using namespace kairotex::tools;
using namespace kairotex::tools::wheel;

std::string WholeText(double value) {
  return std::to_string(static_cast<int>(value));
}

int Run(const std::string& out_dir) {
  const auto labels = LayOutCuspLabels();
  std::vector<std::string> label_records;
  std::vector<Box> label_boxes;
  for (const CuspLabel& label : labels) {
    for (const Point& p : label.anchors) {
      label_records.push_back(WholeText(p.x));
      label_records.push_back(WholeText(p.y));
    }
    label_boxes.push_back(label.box);
  }
  label_records.push_back("0");  // index 120, read but not used

  const auto radii = ComputeGlyphRadii(label_boxes);
  std::vector<std::string> radius_records;
  for (int r : radii) radius_records.push_back(std::to_string(r));

  const std::string label_path = out_dir + "/HCDATA.DAT";
  const std::string radius_path = out_dir + "/RADIUS.DAT";
  const std::string label_temp = WriteDatFileTemp(label_path, label_records);
  const std::string radius_temp = WriteDatFileTemp(radius_path, radius_records);
  CheckCuspLabelFile(label_temp);
  CheckRadiusFile(radius_temp, label_temp);
  CommitDatFile(label_temp, label_path);
  CommitDatFile(radius_temp, radius_path);

  std::printf("wrote %s and %s\n", label_path.c_str(), radius_path.c_str());
  for (int i = 0; i < kWheelPositions; ++i) {
    const Box& b = labels[i].box;
    std::printf("  cusp label %2d at %3.0f deg: x %4.0f..%4.0f y %4.0f..%4.0f%s\n", i + 1,
                labels[i].cusp_angle, b.left, b.right, b.bottom, b.top,
                labels[i].inside_ring ? " (inside the ring)" : "");
  }
  const auto [low, high] = std::minmax_element(radii.begin(), radii.end());
  std::printf("  glyph radius %d..%d\n", *low, *high);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
    return 2;
  }
  try {
    return Run(argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kairotex_wheel_tables: %s\n", e.what());
    return 1;
  }
}
