#!/usr/bin/env python3
# The reference time for the curve model's benchmark: scipy.signal.freqz of the same peaking
# section on the same 4096 frequencies, with its conversion to dB (magnitude) or to phase units.
# Prints "magnitude_us phase_us"; exits with status 2 when numpy or scipy is missing.
import math
import sys
import timeit

try:
    import numpy as np
    import scipy.signal as signal
except ImportError:
    sys.exit(2)

POINTS = 4096
i = np.arange(POINTS)
w = np.pi * 48000.0 ** (i / POINTS) / 48000.0

# Peak +6 dB at 1 kHz, Q 0.7071, designed at 96 kHz as the curve model does.
k = math.tan(math.pi * 1000.0 / 96000.0)
q = 0.7071
v = 10 ** (6.0 / 20.0)
n = 1 + k / q + k * k
b = [(1 + v * k / q + k * k) / n, 2 * (k * k - 1) / n, (1 - v * k / q + k * k) / n]
a = [1.0, 2 * (k * k - 1) / n, (1 - k / q + k * k) / n]


def magnitude():
    _, h = signal.freqz(b, a, worN=w)
    return 20.0 * np.log10(np.abs(h))


def phase():
    _, h = signal.freqz(b, a, worN=w)
    return np.angle(h) * (18.0 / math.pi)


def best_us(fn):
    runs = 300
    return min(timeit.repeat(fn, number=runs, repeat=7)) / runs * 1e6


print(f"{best_us(magnitude):.3f} {best_us(phase):.3f}")
