# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Quandrel developers
"""An independent model of the program's draws: the 32-bit Mersenne Twister at its
default seed 5489 (Python's own generator, put into that state by hand), and a draw as
its top 24 bits over 2^24."""

import math
import random


class Draws:
    def __init__(self):
        state = [5489]
        for i in range(1, 624):
            prev = state[-1]
            state.append((1812433253 * (prev ^ (prev >> 30)) + i) & 0xFFFFFFFF)
        self.rng = random.Random()
        self.rng.setstate((3, tuple(state + [624]), None))

    def next(self):
        return (self.rng.getrandbits(32) >> 8) / 16777216.0

    def face(self, sides):
        return math.floor(self.next() * sides + 1)

    def zero_based(self, sides):
        return math.floor(self.next() * sides)

    def skip(self, n):
        for _ in range(n):
            self.next()
