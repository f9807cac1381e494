#!/usr/bin/env python3
"""Writes the click the banner of the partida list plays when it is clicked:
resources/sounds/click.wav, 40 ms of mono 16-bit PCM at 22050 Hz.

A soft tick: a short burst of smoothed noise for the attack over a 1.6 kHz ping,
both dying away fast, with a brief fade-in and fade-out so neither end pops.
The noise comes from a fixed seed, so every run writes the same bytes.

Usage: tools/make_click_sound.py [OUTPUT.wav]
"""

import math
import os
import random
import struct
import sys
import wave

RATE = 22050
DURATION = 0.040  # seconds
PING_HZ = 1600.0
PING_DECAY = 0.006  # seconds for the ping to fall to 1/e
NOISE_DECAY = 0.0015  # the noise is only the attack
PEAK = 0.45  # of full scale: a click, not a slap
FADE_IN = 0.0005
FADE_OUT = 0.004


def samples():
    rng = random.Random(1024)
    count = int(RATE * DURATION)
    smoothed = 0.0
    out = []
    for n in range(count):
        t = n / RATE
        # One-pole low-pass takes the hiss off the noise.
        smoothed += 0.35 * (rng.uniform(-1.0, 1.0) - smoothed)
        value = 0.55 * smoothed * math.exp(-t / NOISE_DECAY)
        value += 0.75 * math.sin(2 * math.pi * PING_HZ * t) * math.exp(-t / PING_DECAY)
        envelope = min(1.0, t / FADE_IN, (DURATION - t) / FADE_OUT)
        out.append(value * max(0.0, envelope))
    peak = max(abs(v) for v in out)
    return [round(v / peak * PEAK * 32767) for v in out]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources", "sounds", "click.wav")
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    data = samples()
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(struct.pack("<%dh" % len(data), *data))
    print("%s: %d samples, %.0f ms" % (os.path.normpath(path), len(data), 1000.0 * len(data) / RATE))


if __name__ == "__main__":
    main()
