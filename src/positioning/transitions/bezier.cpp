#include "positioning/transitions/bezier.h"

#include <cmath>
#include <cstdio>

namespace {
const int kMaxFactorial = 32;
const double factorialLookup[kMaxFactorial + 1] = {
    1.0,
    1.0,
    2.0,
    6.0,
    24.0,
    120.0,
    720.0,
    5040.0,
    40320.0,
    362880.0,
    3628800.0,
    39916800.0,
    479001600.0,
    6227020800.0,
    87178291200.0,
    1307674368000.0,
    20922789888000.0,
    355687428096000.0,
    6402373705728000.0,
    121645100408832000.0,
    2432902008176640000.0,
    51090942171709440000.0,
    1124000727777607680000.0,
    25852016738884976640000.0,
    620448401733239439360000.0,
    15511210043330985984000000.0,
    403291461126605635584000000.0,
    10888869450418352160768000000.0,
    304888344611713860501504000000.0,
    8841761993739701954543616000000.0,
    265252859812191058636308480000000.0,
    8222838654177922817725562880000000.0,
    263130836933693530167218012160000000.0,
};
}  // namespace

double factorial(int n) {
    if (n < 0) {
        printf("ERROR: n is less than 0\n");
        return 1.0;
    }
    if (n > kMaxFactorial) {
        printf("ERROR: n is greater than 32\n");
        return 1.0;
    }
    return factorialLookup[n];
}

double Ni(int n, int i) { return factorial(n) / (factorial(i) * factorial(n - i)); }

double Bernstein(int n, int i, double t) {
    double ti = (t == 0.0 && i == 0) ? 1.0 : std::pow(t, i);
    double tni = (n == i && t == 1.0) ? 1.0 : std::pow(1.0 - t, n - i);
    return Ni(n, i) * ti * tni;
}

void Bezier3D(const double* b, int k, int cpts, double* p) {
    int npts = k / 3;
    double step = cpts > 1 ? 1.0 / (cpts - 1) : 0.0;
    double t = 0.0;
    for (int point = 0; point < cpts; ++point) {
        if (1.0 - t < 5e-6) {
            t = 1.0;
        }
        double x = 0;
        double y = 0;
        double z = 0;
        for (int i = 0; i < npts; ++i) {
            double basis = Bernstein(npts - 1, i, t);
            x += basis * b[3 * i];
            y += basis * b[3 * i + 1];
            z += basis * b[3 * i + 2];
        }
        p[3 * point] = x;
        p[3 * point + 1] = y;
        p[3 * point + 2] = z;
        t += step;
    }
}
