#include "base/Checked.h"

#include <cfloat>
#include <cmath>
#include <limits>

#include "base/RuntimeError.h"

namespace vokta {

RuntimeError::RuntimeError(ErrorKind kind, std::string userMessage)
    : std::runtime_error(userMessage.empty() ? [kind] {
          switch (kind) {
              case ErrorKind::DivisionByZero: return "division by zero";
              case ErrorKind::Overflow: return "overflow";
              case ErrorKind::InvalidArgument: return "invalid argument";
              case ErrorKind::TypeMismatch: return "type mismatch";
          }
          return "run-time error";
      }()
                                                 : userMessage),
      kind_(kind),
      userMessage_(std::move(userMessage)) {}

void Fail(ErrorKind kind, const char* message) {
    throw RuntimeError(kind, message);
}

double Finite(double x) {
    if (std::isnan(x)) throw RuntimeError(ErrorKind::InvalidArgument);
    if (std::isinf(x)) throw RuntimeError(ErrorKind::Overflow);
    return x;
}

double Div(double numerator, double denominator) {
    if (denominator == 0.0) throw RuntimeError(ErrorKind::DivisionByZero);
    return Finite(numerator / denominator);
}

double Sqrt(double x) {
    if (std::isnan(x) || x < 0.0) throw RuntimeError(ErrorKind::InvalidArgument);
    return Finite(std::sqrt(x));
}

double Ln(double x) {
    if (std::isnan(x) || x <= 0.0) throw RuntimeError(ErrorKind::InvalidArgument);
    return Finite(std::log(x));
}

double Pow(double base, double exponent) {
    if (base == 0.0 && exponent < 0.0) throw RuntimeError(ErrorKind::DivisionByZero);
    if (base < 0.0 && exponent != std::floor(exponent)) throw RuntimeError(ErrorKind::InvalidArgument);
    return Finite(std::pow(Finite(base), Finite(exponent)));
}

float Single(double x) {
    Finite(x);
    const float f = static_cast<float>(x);
    if (std::isinf(f)) throw RuntimeError(ErrorKind::Overflow);
    return f;
}

namespace {
template <typename T>
T RoundTo(double x) {
    if (std::isnan(x)) throw RuntimeError(ErrorKind::Overflow);
    const double r = std::nearbyint(x);  // the default rounding mode: to nearest, ties to even
    if (r < static_cast<double>(std::numeric_limits<T>::min()) ||
        r > static_cast<double>(std::numeric_limits<T>::max()))
        throw RuntimeError(ErrorKind::Overflow);
    return static_cast<T>(r);
}
}  // namespace

int16_t RoundInt16(double x) {
    return RoundTo<int16_t>(x);
}
int32_t RoundInt32(double x) {
    return RoundTo<int32_t>(x);
}

double Int(double x) {
    return std::floor(Finite(x));
}

int32_t IntQuotient(int32_t a, int32_t b) {
    if (b == 0) throw RuntimeError(ErrorKind::DivisionByZero);
    if (a == std::numeric_limits<int32_t>::min() && b == -1) throw RuntimeError(ErrorKind::Overflow);
    return a / b;  // C++ truncates toward zero
}

namespace {
int16_t Narrow16(int64_t v) {
    if (v < std::numeric_limits<int16_t>::min() || v > std::numeric_limits<int16_t>::max())
        throw RuntimeError(ErrorKind::Overflow);
    return static_cast<int16_t>(v);
}
}  // namespace

int16_t AddInt16(int32_t a, int32_t b) {
    return Narrow16(int64_t{a} + b);
}
int16_t MulInt16(int32_t a, int32_t b) {
    return Narrow16(int64_t{a} * b);
}

}  // namespace vokta
