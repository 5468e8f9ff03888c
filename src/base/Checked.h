#pragma once

// Arithmetic that stops where IEEE arithmetic would quietly go on: a division by zero, a root or
// logarithm outside its domain, a result beyond the range of its type all throw RuntimeError.

#include <cstdint>

namespace vokta {

// Throws Overflow for an infinite value and InvalidArgument for NaN; returns the value otherwise.
double Finite(double x);

double Div(double numerator, double denominator);  // DivisionByZero when denominator == 0
double Sqrt(double x);                             // InvalidArgument when x < 0
double Ln(double x);                               // InvalidArgument when x <= 0
double Pow(double base, double exponent);          // InvalidArgument or Overflow as the result demands

// Stores a double into single precision: rounded to nearest; a value beyond the single range is an
// Overflow, never infinity.
float Single(double x);

// Nearest integer, ties to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2); out of range is an Overflow.
int16_t RoundInt16(double x);
int32_t RoundInt32(double x);

// "Int": the greatest integer not above x (Int(-2.5) = -3).
double Int(double x);

// Integer quotient truncated toward zero (7 / 2 = 3, -7 / 2 = -3); DivisionByZero for b == 0.
int32_t IntQuotient(int32_t a, int32_t b);

// Sum and product of 16-bit integers, with Overflow outside -32768..32767.
int16_t AddInt16(int32_t a, int32_t b);
int16_t MulInt16(int32_t a, int32_t b);

}  // namespace vokta
