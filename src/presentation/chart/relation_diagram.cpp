#include "presentation/chart/relation_diagram.h"

#include "platform/utf8.h"

namespace kirvo {
namespace {

enum Kind : char { kJoined = '0', kUpDown = '1', kDown = '2', kUp = '3', kDiamonds = '5', kSquares = '6' };

struct EntryPlace {
  int top = 0;
  int size = 0;  // the marker size s
  bool inverse = false;
  std::vector<DiagramShape>* shapes = nullptr;

  int Middle() const { return top + size / 2; }

  void Add(DiagramShape shape) const {
    shape.inverse = inverse;
    shapes->push_back(std::move(shape));
  }
  void Line(int x1, int y1, int x2, int y2) const {
    Add({DiagramShape::Kind::kLine, {{x1, y1}, {x2, y2}}, {}, {}, false});
  }
  void Circle(int x) const {
    const int left = x - size / 2;
    Add({DiagramShape::Kind::kEllipse, {}, {left, top, left + size, top + size}, {}, false});
  }
  // An arrow as tall as the marker: its shaft and the outline of its head.
  void Arrow(int x, bool up) const {
    const PixelPoint start{x, up ? top + size : top};
    const PixelPoint tip{x, up ? top : top + size};
    Line(start.x, start.y, tip.x, tip.y);
    const ArrowCorners corners = ArrowHead(start, tip, kDiagramArrowHalfAngle, size);
    Add({DiagramShape::Kind::kPolygon, {tip, corners.first, corners.second}, {}, {}, false});
  }
  void Diamond(int x) const {
    const int half = size / 2;
    Add({DiagramShape::Kind::kPolygon,
         {{x, top}, {x + half, top + half}, {x, top + size}, {x - half, top + half}}, {}, {}, false});
  }
  void Square(int x) const {
    const int side = 3 * size / 4;
    const int left = x - side / 2;
    const int upper = Middle() - side / 2;
    Add({DiagramShape::Kind::kPolygon,
         {{left, upper}, {left + side, upper}, {left + side, upper + side}, {left, upper + side}}, {}, {}, false});
  }
};

// The characters of an entry, one UTF-8 character each.
std::vector<std::string> CharactersOf(const std::string& entry) {
  std::vector<std::string> characters;
  for (std::size_t at = 0; at < entry.size();) {
    const std::size_t length = std::max<std::size_t>(1, DecodeUtf8Char(entry, at).length);
    characters.push_back(entry.substr(at, length));
    at += length;
  }
  return characters;
}

int PillarDigit(const std::string& character) {
  return character.size() == 1 && character[0] >= '1' && character[0] <= '9' ? character[0] - '0' : 0;
}

}  // namespace

int DiagramPillarCentre(int pillar_number, int pillar_width, LuckRange range) {
  const int column = 10 - pillar_number;
  const int range_number = LuckRangeNumber(range);
  const int left = column > 6 - range_number ? (column + range_number - 6) * (pillar_width + 1) : 0;
  return left + pillar_width / 2;
}

std::vector<DiagramShape> RelationDiagramShapes(const RelationList& entries, int pillar_width, LuckRange range,
                                                bool branch_diagram) {
  std::vector<DiagramShape> shapes;
  const int size = (pillar_width / 2) / 2;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const std::vector<std::string> characters = CharactersOf(entries[i]);
    if (characters.size() < 4) continue;
    const int a = PillarDigit(characters[0]);
    const int b = PillarDigit(characters[1]);
    const int c = PillarDigit(characters[2]);
    if (a == 0 || b == 0) continue;
    const EntryPlace place{static_cast<int>(i) * (size - 1), size, characters.size() >= 7 && characters[6] == "1",
                           &shapes};
    const int xa = DiagramPillarCentre(a, pillar_width, range);
    const int xb = DiagramPillarCentre(b, pillar_width, range);
    const int xc = c != 0 ? DiagramPillarCentre(c, pillar_width, range) : 0;
    const int mid = place.Middle();
    switch (characters[3].empty() ? ' ' : characters[3][0]) {
      case kJoined:
        place.Circle(xa);
        place.Circle(xb);
        place.Line(xa, mid, xb, mid);
        if (c != 0) {
          place.Circle(xc);
          place.Line(xb, mid, xc, mid);
        }
        break;
      case kUpDown:
        place.Arrow(xa, true);
        place.Arrow(xb, false);
        place.Line(xa, mid, xb, mid);
        break;
      case kDown:
      case kUp: {
        const bool up = characters[3][0] == kUp;
        place.Arrow(xa, up);
        place.Arrow(xb, up);
        place.Line(xa, mid, xb, mid);
        if (c != 0) {
          place.Arrow(xc, up);
          place.Line(xb, mid, xc, mid);
        }
        break;
      }
      case kDiamonds:
        place.Diamond(xa);
        place.Diamond(xb);
        if (c != 0) place.Diamond(xc);
        place.Line(xa, mid, c != 0 ? xc : xb, mid);
        break;
      case kSquares:
        place.Square(xa);
        place.Square(xb);
        if (c != 0) place.Square(xc);
        place.Line(xa, mid, c != 0 ? xc : xb, mid);
        break;
      default:
        continue;
    }
    if (branch_diagram && characters.size() >= 6 && characters[5] != " ") {
      place.Add({DiagramShape::Kind::kText, {}, {xa - size, place.top, xa - size, place.top}, characters[5], false});
    }
  }
  return shapes;
}

}  // namespace kirvo
