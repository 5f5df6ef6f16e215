#pragma once
// The right-triangle solver (Tri, "Right Triangles - Trig") as a form. Five
// boxes, Text1(0..4): angle B, angle C (degrees; the right angle is A), side
// a (hypotenuse), side b (opposite B), side c (opposite C). One angle and one
// side, or two sides, give the rest. Sides are written with "#.####;0;0" in
// an inch study and "##.###;0;0" in a metric one; angles as their plain
// number text. Closing leaves "Trig = B=.. C=.. a=.. b=.. c=.." in the
// workspace's LastCalcText.

#include "workspace.h"

#include <QString>

#include <array>

namespace arvex {

class TriangleForm {
 public:
  static constexpr int kAngleB = 0;
  static constexpr int kAngleC = 1;
  static constexpr int kSideA = 2;
  static constexpr int kSideB = 3;
  static constexpr int kSideC = 4;
  static inline const QString kCaption = QStringLiteral("Right Triangles - Trig");
  static inline const QString kHint = QStringLiteral(
      " Press TAB to move around and CALCULATE for missing info. You need to input 1 angle and 1 side, or 2 "
      "sides. Set others blank.");
  // CSCmd1 and CSCmd2.
  static inline const QString kCalculateCaption = QStringLiteral("Calculate");
  static inline const QString kCloseCaption = QStringLiteral("&Close");
  // The labels of the five boxes, in the order of Text1.
  static inline const std::array<QString, 5> kLabels = {
      QStringLiteral("Angle &B (degrees):"), QStringLiteral("A&ngle C (degrees):"),
      QStringLiteral("Side &a (hypotenuse):"), QStringLiteral("Side b (&opposite B):"),
      QStringLiteral("Side c (o&pposite C):")};
  // The letters of the window's sketch: the corners A (the right angle), B
  // and C, and the sides a, b and c opposite them.
  static inline const std::array<QString, 6> kSketchLetters = {
      QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
      QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};

  explicit TriangleForm(Workspace& workspace) : workspace_(workspace) {}

  std::array<QString, 5> Text1;

  // Leaving an angle box with a value above 0 blanks the three sides and
  // sets the other angle to 90 minus it.
  void LostFocus(int index);
  // CSCmd1 "Calculate": works out the missing values and rewrites the five
  // boxes. An arithmetic fault (the square root of a negative number, a
  // result too large) ends it with the boxes unchanged; returns false then.
  bool Calculate();
  // CSCmd2 or unloading: LastCalcText = "Trig = B=" + B + " C=" + C +
  // " a=" + a + " b=" + b + " c=" + c, each the value of its box.
  void Close();

 private:
  double Value(int index) const;

  Workspace& workspace_;
};

}  // namespace arvex
