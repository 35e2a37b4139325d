#pragma once
// The engine computes in single precision, in English units (ft, tons, psf, pcf, tsf).
namespace talmo {
using Real = float;
}
