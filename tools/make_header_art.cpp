// Draws the certificate banner (pdf/art/header.ppm): a band of green with a
// house, a leaf and a panel of rating bars. Run it to redraw the artwork:
//   tarvex-header-art pdf/art/header.ppm
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/exit_status.h"

namespace {

constexpr int kWidth = 737;
constexpr int kHeight = 109;
constexpr int kSamples = 4;  // per pixel side, for smooth edges
constexpr double kPi = 3.14159265358979323846;

struct Colour {
    double r, g, b;
};

struct Point {
    double x, y;
};

using Inside = std::function<bool(double, double)>;

bool InPolygon(const std::vector<Point>& poly, double x, double y) {
    bool in = false;
    for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        const Point& a = poly[i];
        const Point& b = poly[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) in = !in;
    }
    return in;
}

Inside Polygon(std::vector<Point> poly) {
    return [poly](double x, double y) { return InPolygon(poly, x, y); };
}

Inside Rect(double x0, double y0, double x1, double y1) {
    return [=](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; };
}

Inside RoundRect(double x0, double y0, double x1, double y1, double r) {
    return [=](double x, double y) {
        if (x < x0 || x >= x1 || y < y0 || y >= y1) return false;
        const double cx = x < x0 + r ? x0 + r : (x > x1 - r ? x1 - r : x);
        const double cy = y < y0 + r ? y0 + r : (y > y1 - r ? y1 - r : y);
        return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
    };
}

// A leaf between base and tip whose sides bulge by `bulge`.
Inside Leaf(Point base, Point tip, double bulge) {
    std::vector<Point> outline;
    const double dx = tip.x - base.x, dy = tip.y - base.y;
    const double len = std::hypot(dx, dy);
    const double nx = -dy / len, ny = dx / len;
    const int steps = 24;
    for (int side : {1, -1}) {
        for (int i = 0; i <= steps; ++i) {
            const double s = side > 0 ? double(i) / steps : 1.0 - double(i) / steps;
            const double off = side * bulge * std::sin(kPi * s);
            outline.push_back({base.x + dx * s + nx * off, base.y + dy * s + ny * off});
        }
    }
    return Polygon(outline);
}

class Canvas {
  public:
    Canvas() : pixels_(kWidth * kHeight) {}

    void Fill(const std::function<Colour(double, double)>& shade) {
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) pixels_[y * kWidth + x] = shade(x + 0.5, y + 0.5);
    }

    void Paint(const Inside& inside, Colour c, double alpha = 1.0) {
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                int hits = 0;
                for (int sy = 0; sy < kSamples; ++sy)
                    for (int sx = 0; sx < kSamples; ++sx)
                        hits += inside(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples);
                if (hits == 0) continue;
                const double a = alpha * hits / (kSamples * kSamples);
                Colour& p = pixels_[y * kWidth + x];
                p = {p.r + (c.r - p.r) * a, p.g + (c.g - p.g) * a, p.b + (c.b - p.b) * a};
            }
        }
    }

    bool Save(const char* path) const {
        std::FILE* f = std::fopen(path, "wb");
        if (f == nullptr) return false;
        std::fprintf(f, "P6\n%d %d\n255\n", kWidth, kHeight);
        for (const Colour& p : pixels_) {
            const unsigned char rgb[3] = {Byte(p.r), Byte(p.g), Byte(p.b)};
            std::fwrite(rgb, 1, 3, f);
        }
        return std::fclose(f) == 0;
    }

  private:
    static unsigned char Byte(double v) {
        return static_cast<unsigned char>(std::lround(v < 0 ? 0 : (v > 255 ? 255 : v)));
    }
    std::vector<Colour> pixels_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s header.ppm\n", argv[0]);
        return kExitFailed;
    }
    Canvas canvas;
    // Deep green to teal, a little lighter towards the top.
    canvas.Fill([](double x, double y) {
        const double t = x / kWidth, v = 1.0 - 0.12 * (1.0 - y / kHeight);
        return Colour{0, (84 + 30 * t) * v, (70 + 62 * t) * v};
    });
    const Colour white{255, 255, 255};
    // A soft sweep across the band.
    canvas.Paint(
        Polygon({{0, 109}, {0, 80}, {300, 30}, {737, 0}, {737, 40}, {320, 70}, {120, 109}}), white,
        0.08);
    // The house with a leaf in its doorway.
    canvas.Paint(Polygon({{40, 98}, {40, 50}, {80, 14}, {120, 50}, {120, 98}}), white);
    canvas.Paint(Rect(98, 20, 108, 42), white);
    canvas.Paint(Leaf({66, 92}, {96, 56}, 9), Colour{49, 160, 61});
    canvas.Paint(Leaf({66, 92}, {84, 70}, 3), Colour{13, 104, 38});
    // Three rings behind the title space, quiet.
    for (int i = 0; i < 3; ++i) {
        const double r = 30 + 14 * i;
        canvas.Paint(
            [=](double x, double y) {
                const double d = std::hypot(x - 300, y - 54);
                return d > r - 1 && d < r + 1;
            },
            white, 0.12);
    }
    // The rating bars, A to G, on a white panel.
    canvas.Paint(RoundRect(452, 3, 730, 106, 8), white, 0.92);
    const Colour bands[7] = {{13, 104, 38},  {49, 160, 61}, {127, 195, 28}, {255, 204, 0},
                             {253, 161, 69}, {255, 102, 0}, {255, 0, 0}};
    for (int i = 0; i < 7; ++i) {
        const double top = 8 + 13.6 * i, bottom = top + 11;
        const double end = 560 + 22 * i, mid = (top + bottom) / 2;
        canvas.Paint(
            Polygon({{466, top}, {end, top}, {end + 7, mid}, {end, bottom}, {466, bottom}}),
            bands[i]);
    }
    // The pointer of a rating on the C bar.
    const double pointer = 8 + 13.6 * 2 + 5.5;
    canvas.Paint(Polygon({{724, pointer - 6}, {724, pointer + 6}, {714, pointer}}),
                 Colour{0, 0, 0});

    if (!canvas.Save(argv[1])) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return kExitFailed;
    }
    return kExitOk;
}
