// The shared icon sheet icons.png: 64 frames of 16 x 16 in an 8 x 8 grid (128 x 128),
// cut left to right, top to bottom. The game tints the icons when it draws them,
// so they are light grey and white with dark outlines. Frames with a fixed use:
//   0 engine-test dot, 3 key, 7 graph marker, 8 hat, 9 axis, 10 button,
//   11/12 4:3 and wide screen, 13/14 window and full screen,
//   18/19/20 the frames / engine choice (a chip with one, two or three bars),
//   21/22 slider track halves, 23 slider knob, 24-30 speaker with 1..7 marks,
//   63 the mouse pointer (tip at the top-left corner).
#include <cmath>
#include <functional>

#include "art.h"
#include "shapes.h"

namespace {

constexpr int kIcon = 16;
const Colour kInk = Rgb(22, 24, 30);     // outlines (never pure black: some loaders key it out)
const Colour kLight = Rgb(244, 244, 244);
const Colour kMid = Rgb(170, 176, 188);
const Colour kDim = Rgb(110, 116, 128);

void Shape(Canvas& c, const Sdf& s, const Colour& fill = kLight) { FillOutlined(c, s, fill, kInk, 1.0); }

void Screen(Canvas& c, double x, double y, double w, double h) {
  Shape(c, RoundBox(x, y, w, h, 1));
  Fill(c, RoundBox(x + 1.5, y + 1.5, w - 3, h - 3, 0.5), kDim);
  Fill(c, RoundBox(x + 2, y + 2, (w - 4) / 2, 1, 0.3), Rgb(220, 224, 232, 0.8));  // glint
}

void Stand(Canvas& c, double cx, double top) {
  Shape(c, RoundBox(cx - 1, top, 2, 2, 0));
  Shape(c, RoundBox(cx - 3, top + 2, 6, 1.2, 0.5));
}

void Chip(Canvas& c, int bars) {
  Sdf pins = [](double, double) { return 1e9; };
  for (int i = 0; i < 3; ++i) {
    double p = 5 + i * 2.5;
    pins = Union(pins, Union(RoundBox(p, 1.5, 1, 13, 0), RoundBox(1.5, p, 13, 1, 0)));
  }
  Shape(c, pins, kMid);
  Shape(c, RoundBox(3.5, 3.5, 9, 9, 1.2));
  double w = 1.6, gap = 1.0, total = bars * w + (bars - 1) * gap, x0 = 8 - total / 2;
  for (int i = 0; i < bars; ++i) Fill(c, RoundBox(x0 + i * (w + gap), 5.5, w, 5, 0.4), kInk);
}

void Speaker(Canvas& c, int marks) {
  double top = marks > 0 ? 0 : 2;  // the plain speaker sits centred, the driver ones leave room below
  Shape(c, Polygon({{1.5, top + 4}, {4, top + 4}, {7.5, top + 1}, {7.5, top + 10}, {4, top + 7}, {1.5, top + 7}}));
  auto rightOf = [](double x0) { return [x0](double x, double) { return x0 - x; }; };
  Shape(c, Intersect(Ring(Circle(7.5, top + 5.5, 3.2), 1.3), rightOf(9.3)));
  Shape(c, Intersect(Ring(Circle(7.5, top + 5.5, marks > 0 ? 5.3 : 6.0), 1.3), rightOf(10.3)));
  if (marks == 0) return;
  // The driver's position as a lit row of a seven-step meter along the bottom.
  // Whole-pixel positions keep the seven one-pixel marks apart even when unfiltered.
  Fill(c, RoundBox(0, 12, 15, 4, 1), kInk);
  for (int i = 0; i < 7; ++i) Fill(c, RoundBox(1 + i * 2, 13, 1, 2, 0), i < marks ? kLight : Rgb(70, 74, 84));
}

void Arrow(Canvas& c, double degrees) {
  std::vector<Point> pts = {{8, 2}, {14, 8}, {10, 8}, {10, 14}, {6, 14}, {6, 8}, {2, 8}};
  Shape(c, Polygon(Rotated(pts, 8, 8, degrees)));
}

void Gear(Canvas& c) {
  Sdf teeth = Circle(8, 8, 5);
  for (int i = 0; i < 8; ++i) {
    double a = i * M_PI / 4;
    teeth = Union(teeth, Capsule({8 + std::cos(a) * 4, 8 + std::sin(a) * 4}, {8 + std::cos(a) * 6, 8 + std::sin(a) * 6}, 1.2));
  }
  Shape(c, Subtract(teeth, Circle(8, 8, 2)));
}

using Draw = std::function<void(Canvas&)>;

std::vector<Draw> IconTable() {
  std::vector<Draw> t(64, [](Canvas&) {});
  t[0] = [](Canvas& c) { Fill(c, Circle(8, 8, 3), kLight); };
  t[1] = [](Canvas& c) { Shape(c, Union(Capsule({3, 8.5}, {6.5, 12}, 1.3), Capsule({6.5, 12}, {13, 4}, 1.3))); };
  t[2] = [](Canvas& c) { Shape(c, Union(Capsule({4, 4}, {12, 12}, 1.4), Capsule({12, 4}, {4, 12}, 1.4))); };
  t[3] = [](Canvas& c) {  // key cap: a sloped top face on a deeper base
    Shape(c, RoundBox(1.5, 2, 13, 12, 2), kMid);
    Fill(c, RoundBox(3, 3, 10, 8, 1.5), kLight);
    Fill(c, RoundBox(6, 6, 4, 1, 0.4), kMid);
  };
  t[4] = [](Canvas& c) {  // game pad
    Shape(c, Union(RoundBox(2, 5, 12, 7, 3.5), Union(Circle(4.5, 11, 2.5), Circle(11.5, 11, 2.5))));
    Fill(c, RoundBox(3.5, 7.8, 4, 1.4, 0.3), kInk);
    Fill(c, RoundBox(4.8, 6.5, 1.4, 4, 0.3), kInk);
    Fill(c, Circle(10.5, 7.5, 0.9), kInk);
    Fill(c, Circle(12, 9.2, 0.9), kInk);
  };
  t[5] = [](Canvas& c) {  // music note
    Shape(c, Union(Union(Circle(5, 12, 2.3), RoundBox(6.2, 3, 1.5, 9, 0.3)), Polygon({{6.2, 2.5}, {12, 4.5}, {12, 7}, {7.7, 5.5}})));
  };
  t[6] = [](Canvas& c) { Speaker(c, 0); };
  t[7] = [](Canvas& c) { Shape(c, Polygon({{8, 4}, {12, 8}, {8, 12}, {4, 8}})); };  // graph marker
  t[8] = [](Canvas& c) {  // hat: the four-way pad
    Shape(c, Union(RoundBox(5.5, 1.5, 5, 13, 1), RoundBox(1.5, 5.5, 13, 5, 1)));
    Fill(c, Circle(8, 8, 1.3), kMid);
    Fill(c, Polygon({{8, 2.8}, {9.5, 4.5}, {6.5, 4.5}}), kDim);
    Fill(c, Polygon({{8, 13.2}, {9.5, 11.5}, {6.5, 11.5}}), kDim);
    Fill(c, Polygon({{2.8, 8}, {4.5, 6.5}, {4.5, 9.5}}), kDim);
    Fill(c, Polygon({{13.2, 8}, {11.5, 6.5}, {11.5, 9.5}}), kDim);
  };
  t[9] = [](Canvas& c) {  // axis: a stick on its base
    Shape(c, RoundBox(2, 11, 12, 3.5, 1.5), kMid);
    Shape(c, Capsule({8, 11}, {10, 5}, 1));
    Shape(c, Circle(10.5, 4, 2.6));
  };
  t[10] = [](Canvas& c) {  // button
    Shape(c, Circle(8, 9, 6), kMid);
    Fill(c, Circle(8, 8, 4.8), kLight);
    Fill(c, Circle(6.8, 6.6, 1.3), Rgb(255, 255, 255));
  };
  t[11] = [](Canvas& c) { Screen(c, 2, 2, 12, 9); Stand(c, 8, 11.5); };
  t[12] = [](Canvas& c) { Screen(c, 0.8, 3, 14.4, 8); Stand(c, 8, 11.5); };
  t[13] = [](Canvas& c) {  // window with a title bar
    Shape(c, RoundBox(1.5, 2.5, 13, 11, 1));
    Fill(c, RoundBox(2.5, 3.5, 11, 2.5, 0.3), kDim);
    Fill(c, Circle(11.8, 4.75, 0.7), kLight);
    Fill(c, RoundBox(2.5, 6.8, 11, 0.8, 0), kInk);
  };
  t[14] = [](Canvas& c) {  // full screen: a screen with its corners pushed outwards
    Screen(c, 3.5, 4, 9, 8);
    for (Point p : std::vector<Point>{{0.8, 0.8}, {15.2, 0.8}, {0.8, 15.2}, {15.2, 15.2}}) {
      double sx = p.x < 8 ? 1 : -1, sy = p.y < 8 ? 1 : -1;
      Shape(c, Polygon({p, {p.x + sx * 3.5, p.y}, {p.x, p.y + sy * 3.5}}));
    }
  };
  t[15] = [](Canvas& c) { Arrow(c, 270); };
  t[16] = [](Canvas& c) { Arrow(c, 90); };
  t[17] = [](Canvas& c) { Gear(c); };
  t[18] = [](Canvas& c) { Chip(c, 1); };
  t[19] = [](Canvas& c) { Chip(c, 2); };
  t[20] = [](Canvas& c) { Chip(c, 3); };
  // Slider track: the two halves run to the cell edge so they join into one bar.
  t[21] = [](Canvas& c) {
    Fill(c, RoundBox(1, 5.5, 30, 5, 2.5), kInk);
    Fill(c, RoundBox(2, 6.5, 30, 3, 1.5), kLight);
  };
  t[22] = [](Canvas& c) {
    Fill(c, RoundBox(-16, 5.5, 31, 5, 2.5), kInk);
    Fill(c, RoundBox(-16, 6.5, 30, 3, 1.5), kLight);
  };
  t[23] = [](Canvas& c) {  // knob
    Shape(c, RoundBox(5, 2, 6, 12, 2));
    Fill(c, RoundBox(7.5, 4.5, 1, 7, 0.3), kMid);
  };
  for (int m = 1; m <= 7; ++m) t[23 + m] = [m](Canvas& c) { Speaker(c, m); };
  t[31] = [](Canvas& c) { Shape(c, Polygon({{4, 2.5}, {13, 8}, {4, 13.5}})); };  // play
  t[32] = [](Canvas& c) { Shape(c, Union(RoundBox(3.5, 3, 3, 10, 0.5), RoundBox(9.5, 3, 3, 10, 0.5))); };  // pause
  t[33] = [](Canvas& c) { Shape(c, RoundBox(3.5, 3.5, 9, 9, 1)); };  // stop
  t[34] = [](Canvas& c) { Shape(c, Union(RoundBox(6.5, 2.5, 3, 11, 0.5), RoundBox(2.5, 6.5, 11, 3, 0.5))); };  // plus
  t[35] = [](Canvas& c) { Shape(c, RoundBox(2.5, 6.5, 11, 3, 0.5)); };  // minus
  t[36] = [](Canvas& c) {  // question mark
    std::vector<Point> hook = {{5, 5.6}, {5.6, 3.4}, {8, 2.4}, {10.4, 3.4}, {10.9, 5.4}, {8.6, 8}, {8, 10.2}};
    Sdf s = [](double, double) { return 1e9; };
    for (size_t i = 0; i + 1 < hook.size(); ++i) s = Union(s, Capsule(hook[i], hook[i + 1], 1.1));
    Shape(c, s);
    Shape(c, Circle(8, 13.3, 1.3));
  };
  t[37] = [](Canvas& c) {  // info
    Shape(c, Circle(8, 8, 6.5), kMid);
    Fill(c, Circle(8, 4.8, 1.2), kLight);
    Fill(c, RoundBox(7, 7, 2, 5.5, 0.4), kLight);
  };
  t[38] = [](Canvas& c) { Shape(c, Polygon(StarPoints(8, 8.6, 6.8, 2.9, 5))); };
  t[39] = [](Canvas& c) {  // heart
    Shape(c, Union(Union(Circle(5.5, 6, 3), Circle(10.5, 6, 3)), Polygon({{2.7, 7.2}, {13.3, 7.2}, {8, 13.5}})));
  };
  t[40] = [](Canvas& c) {  // trophy
    Shape(c, Union(Intersect(Circle(8, 3, 5.5), RoundBox(2.5, 2, 11, 8, 0)), RoundBox(7, 8, 2, 3, 0)));
    Shape(c, RoundBox(4.5, 11.5, 7, 2.5, 0.5));
  };
  t[41] = [](Canvas& c) {  // clock
    Shape(c, Circle(8, 8, 6.3));
    Fill(c, Capsule({8, 8}, {8, 4}, 0.6), kInk);
    Fill(c, Capsule({8, 8}, {11, 9.5}, 0.6), kInk);
  };
  t[42] = [](Canvas& c) {  // disk
    Shape(c, Polygon({{2, 2}, {12, 2}, {14, 4}, {14, 14}, {2, 14}}));
    Fill(c, RoundBox(4.5, 2.5, 6, 3.5, 0.3), kDim);
    Fill(c, RoundBox(4, 9, 8, 4.5, 0.5), kMid);
  };
  t[43] = [](Canvas& c) {  // camera
    Shape(c, Union(RoundBox(1.5, 5, 13, 8.5, 1.2), RoundBox(5, 3, 6, 3, 0.8)));
    Fill(c, Circle(8, 9.2, 3), kInk);
    Fill(c, Circle(8, 9.2, 1.8), kMid);
  };
  t[44] = [](Canvas& c) { Shape(c, Union(Polygon({{8, 1.8}, {14.2, 8}, {1.8, 8}}), RoundBox(3.5, 7.5, 9, 6.5, 0.3))); Fill(c, RoundBox(7, 10, 2.2, 4, 0.2), kDim); };
  t[45] = [](Canvas& c) {  // lock
    Shape(c, Intersect(Ring(Circle(8, 6.5, 3.2), 1.6), [](double, double y) { return y - 7; }));
    Shape(c, RoundBox(3, 7, 10, 7, 1));
    Fill(c, Circle(8, 10.5, 1.1), kInk);
  };
  t[46] = [](Canvas& c) { Shape(c, Union(Ring(Circle(6.5, 6.5, 4), 2), Capsule({9.5, 9.5}, {13.5, 13.5}, 1.5))); };
  t[47] = [](Canvas& c) { Shape(c, Union(RoundBox(3, 1.5, 1.6, 13, 0.3), Polygon({{4.6, 2}, {13.5, 4.5}, {4.6, 8}}))); };
  t[48] = [](Canvas& c) { Arrow(c, 0); };
  t[49] = [](Canvas& c) { Arrow(c, 180); };
  t[50] = [](Canvas& c) { Shape(c, ArcArrow(8, 8, 4.8, -40, 240, 2.0)); };  // refresh
  t[51] = [](Canvas& c) { Shape(c, Union(Circle(8, 5, 3), Intersect(Circle(8, 15, 6.5), RoundBox(0, 8.5, 16, 6, 0)))); };
  t[52] = [](Canvas& c) { Shape(c, Polygon({{2, 5}, {5, 8}, {8, 3}, {11, 8}, {14, 5}, {13, 13}, {3, 13}})); };
  t[53] = [](Canvas& c) { Shape(c, Polygon({{9.5, 1.5}, {3.5, 9}, {7.5, 9}, {6, 14.5}, {12.5, 6.5}, {8.5, 6.5}})); };
  t[54] = [](Canvas& c) {  // bell
    Shape(c, Union(Intersect(Circle(8, 7, 5), RoundBox(0, 0, 16, 8, 0)), Polygon({{3, 7}, {13, 7}, {14, 12}, {2, 12}})));
    Shape(c, Circle(8, 13.5, 1.4));
  };
  t[55] = [](Canvas& c) {  // envelope
    Shape(c, RoundBox(1.5, 3.5, 13, 9, 1));
    Fill(c, Union(Capsule({2.5, 4.5}, {8, 9}, 0.55), Capsule({13.5, 4.5}, {8, 9}, 0.55)), kInk);
  };
  t[56] = [](Canvas& c) { Shape(c, Union(RoundBox(1.5, 4, 13, 9.5, 1), RoundBox(1.5, 2.5, 5.5, 3, 1))); Fill(c, RoundBox(1.5, 6, 13, 0.8, 0), kInk); };
  t[57] = [](Canvas& c) {  // bin
    Shape(c, Polygon({{3.5, 5}, {12.5, 5}, {11.5, 14.5}, {4.5, 14.5}}));
    Shape(c, RoundBox(2, 3, 12, 1.8, 0.5));
    Fill(c, RoundBox(6.3, 6.8, 0.9, 6, 0.3), kDim);
    Fill(c, RoundBox(8.8, 6.8, 0.9, 6, 0.3), kDim);
  };
  t[58] = [](Canvas& c) { Shape(c, Polygon({{11, 1.8}, {14.2, 5}, {5.5, 13.7}, {2, 14}, {2.3, 10.5}})); Fill(c, Capsule({10, 3.8}, {12.2, 6}, 0.5), kInk); };
  t[59] = [](Canvas& c) {  // eye
    Shape(c, Intersect(Circle(8, 14, 9), Circle(8, 2, 9)));
    Fill(c, Circle(8, 8, 2.6), kInk);
    Fill(c, Circle(7.2, 7.2, 0.8), kLight);
  };
  t[60] = [](Canvas& c) {  // a letter tile
    Shape(c, RoundBox(2, 2, 12, 12, 2), Rgb(250, 240, 214));
    Fill(c, Polygon({{8, 4}, {11.5, 12}, {9.8, 12}, {8, 7.5}, {6.2, 12}, {4.5, 12}}), kInk);
    Fill(c, RoundBox(6, 9.2, 4, 1.1, 0), kInk);
  };
  t[61] = [](Canvas& c) {  // die
    Shape(c, RoundBox(2, 2, 12, 12, 2.5));
    for (Point p : std::vector<Point>{{5.2, 5.2}, {8, 8}, {10.8, 10.8}, {10.8, 5.2}, {5.2, 10.8}}) Fill(c, Circle(p.x, p.y, 1.1), kInk);
  };
  t[62] = [](Canvas& c) {  // hourglass
    Shape(c, Polygon({{3.5, 2}, {12.5, 2}, {8.8, 8}, {12.5, 14}, {3.5, 14}, {7.2, 8}}));
    Fill(c, Polygon({{5.5, 12.8}, {10.5, 12.8}, {8, 10.5}}), kMid);
    Fill(c, Polygon({{6, 4}, {10, 4}, {8, 6.5}}), kMid);
  };
  t[63] = [](Canvas& c) {  // pointer: the tip sits at the cell's top-left corner
    Shape(c, Polygon({{1, 1}, {1, 13.5}, {4.3, 10.6}, {6.8, 15}, {9, 14}, {6.6, 9.6}, {11, 9.4}}));
  };
  return t;
}

}  // namespace

bool MakeIconSheet(const std::string& dir) {
  Canvas sheet = MakeCanvas(kIcon * 8, kIcon * 8);
  std::vector<Draw> table = IconTable();
  for (int f = 0; f < 64; ++f) {
    Canvas cell = MakeCanvas(kIcon, kIcon);
    table[f](cell);
    Composite(sheet, cell, (f % 8) * kIcon, (f / 8) * kIcon);
  }
  return SavePng(sheet, dir + "/icons.png");
}
