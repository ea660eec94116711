#!/usr/bin/env python3
"""Writes number-text cases with answers worked out by Python's own decimal arithmetic.

Each line is one case for number_text_check, fields separated by tabs, texts escaped so that
the stream is plain ASCII (every character outside printable ASCII, and the backslash, is
written as \\uXXXX):

  F <hex double> <decimals> <grouped 0|1> <decimal sep> <group sep> <formatted text>
  G <hex double> <decimal sep> <general numeric text>
  P <text> <decimal sep> <group sep> <hex double | TypeMismatch | Overflow>
  END <number of cases>

The answers:

- Formatting: the 15-significant-digit form of the Double (format(x, '.15g'), correctly rounded
  from the binary value) quantized to `decimals` places with ROUND_HALF_UP, written with at
  least one integer digit, exactly `decimals` decimals, groups of three when grouped and a "-"
  for every value below zero, including one that rounds to zero (-0.001 gives "-0.00").
  Negative zero is not below zero: -0.0 gives "0.00", like the general text "0".
- The general numeric text: format(x, '.15g') with "E" for "e" and the locale's decimal
  separator; zero of either sign is "0".
- The parser: the grammar blanks, sign, digits with group separators between them, decimal
  separator, fraction, exponent, checked by a regular expression here; the value by float(),
  which rounds correctly like the control; a magnitude beyond the Double range is Overflow,
  one below it is zero.
"""

import argparse
import math
import random
import re
import struct
import sys
from decimal import ROUND_HALF_UP, Context, Decimal

# decimal, group: en-US, de-DE, fr-FR, de-CH and a made-up locale (middle dot, plain blank).
SEPARATORS = [(".", ","), (",", "."), (",", "\u00a0"), (".", "'"), ("\u00b7", " ")]

CONTEXT = Context(prec=4000)


def escape(text):
    out = []
    for ch in text:
        if " " <= ch <= "~" and ch != "\\":
            out.append(ch)
        else:
            out.append("\\u%04X" % ord(ch))
    return "".join(out)


def group_digits(digits, group):
    head = len(digits) % 3 or 3
    parts = [digits[:head]] + [digits[i : i + 3] for i in range(head, len(digits), 3)]
    return group.join(parts)


def formatted(x, decimals, grouped, dec, grp):
    fifteen = Decimal(format(x, ".15g"))
    quantum = Decimal(1).scaleb(-decimals)
    q = fifteen.quantize(quantum, rounding=ROUND_HALF_UP, context=CONTEXT)
    plain = format(q.copy_abs(), "f")
    integer, _, fraction = plain.partition(".")
    assert len(fraction) == decimals
    if grouped:
        integer = group_digits(integer, grp)
    text = ("-" if x < 0 else "") + integer
    if decimals > 0:
        text += dec + fraction
    return text


def general(x, dec):
    if x == 0:
        return "0"
    return format(x, ".15g").replace("e", "E").replace(".", dec)


def parsed(text, dec, grp):
    s = text.strip(" ")
    d, g = re.escape(dec), re.escape(grp)
    m = re.fullmatch(
        rf"([+-]?)([0-9](?:{g}?[0-9])*)?(?:{d}([0-9]*))?(?:[eE]([+-]?[0-9]+))?", s
    )
    if not m:
        return "TypeMismatch"
    sign, integer, fraction, exponent = m.groups()
    integer = (integer or "").replace(grp, "")
    fraction = fraction or ""
    if not integer and not fraction:
        return "TypeMismatch"
    value = float(f"{sign}{integer or '0'}.{fraction or '0'}e{exponent or '0'}")
    if math.isinf(value):
        return "Overflow"
    return value.hex()


# ---------------------------------------------------------------------------------------------
# Values


def random_finite(rng):
    while True:
        (x,) = struct.unpack("<d", rng.getrandbits(64).to_bytes(8, "little"))
        if math.isfinite(x):
            return x


def log_uniform(rng, low, high):
    return rng.uniform(1, 10) * 10.0 ** rng.randint(low, high)


def signed(rng, x):
    return -x if rng.random() < 0.4 else x


def tie(rng, decimals):
    """A decimal text that ends in 5 one place after `decimals`, as a Double."""
    integer = str(rng.choice([0, rng.randint(0, 9), rng.randint(0, 99999), rng.randint(0, 10**12)]))
    fraction = "".join(rng.choice("0123456789") for _ in range(decimals)) + "5"
    return float(f"{integer}.{fraction}")


def nines(rng):
    """Texts like 9.995 and 999999.5 whose rounding carries through every digit."""
    integer = "9" * rng.randint(0, 15)
    fraction = "9" * rng.randint(0, 15 - len(integer)) + rng.choice("56789")
    return float(f"{integer or '0'}.{fraction}"), len(fraction) - 1


def dyadic(rng):
    """Exact binary fractions: their decimal forms end in 5 and tie at many positions."""
    e = rng.randint(1, 60)
    return rng.randint(1, 2**rng.randint(1, 52)) * 2.0**-e


def decimals_for(rng):
    r = rng.random()
    if r < 0.90:
        return rng.randint(0, 20)
    if r < 0.97:
        return rng.choice([21, 25, 32, 40])
    return rng.choice([100, 300, 330, 400])


EDGE_VALUES = [
    0.0,
    -0.0,
    5e-324,
    -5e-324,
    2.2250738585072014e-308,
    1.7976931348623157e308,
    -1.7976931348623157e308,
    1e308,
    1e15,
    1e-5,
    1e-4,
    0.5,
    -0.5,
    999999999999999.5,
    999999999999999.9,
    0.9999999999999995,
    100000000000000.5,
    1.005,
    2.675,
    9.995,
    -0.001,
    123456789012345678.0,
]


def format_cases(rng, count):
    for x in EDGE_VALUES:
        for decimals in (0, 1, 2, 3, 15, 17, 20, 40, 330):
            for grouped in (0, 1):
                yield x, decimals, grouped, rng.choice(SEPARATORS)
    for _ in range(count):
        kind = rng.random()
        decimals = decimals_for(rng)
        if kind < 0.25:
            x = signed(rng, log_uniform(rng, -25, 25))
        elif kind < 0.45:
            n = rng.randint(0, 14)
            x = signed(rng, tie(rng, n))
            decimals = max(0, n + rng.choice([0, 0, 0, -1, 1]))
        elif kind < 0.55:
            k = rng.randint(0, 10**rng.randint(1, 15))
            n = rng.randint(0, 16)
            x = signed(rng, float(Decimal(k) / 2 / Decimal(10) ** n))
            decimals = max(0, n + rng.choice([0, 0, -1, 1]))
        elif kind < 0.65:
            x = signed(rng, float(rng.randint(0, 10 ** rng.randint(1, 19))))
        elif kind < 0.72:
            x, decimals = nines(rng)
            x = signed(rng, x)
        elif kind < 0.80:
            x = signed(rng, dyadic(rng))
        elif kind < 0.90:
            x = random_finite(rng)
            if rng.random() < 0.5:
                decimals = rng.randint(0, 6)
        else:
            x = signed(rng, log_uniform(rng, -8, 3))
            decimals = rng.randint(0, 6)
        yield x, decimals, rng.randint(0, 1), rng.choice(SEPARATORS)


def general_values(rng, count):
    yield from EDGE_VALUES
    for _ in range(count):
        kind = rng.random()
        if kind < 0.4:
            yield signed(rng, log_uniform(rng, -25, 25))
        elif kind < 0.6:
            # Around the two switches to the exponent form.
            yield signed(rng, rng.uniform(0.5, 20) * rng.choice([1e-5, 1e-4, 1e14, 1e15]))
        elif kind < 0.8:
            yield random_finite(rng)
        else:
            yield signed(rng, float(rng.randint(0, 10 ** rng.randint(1, 18))))


# ---------------------------------------------------------------------------------------------
# Parser texts

NOISE = "0123456789+-eE .,'a\t\u00a0\u00b7x"


def number_text(rng, x, dec, grp):
    """A text for `x` in one of the forms a user or a program writes."""
    form = rng.random()
    if form < 0.25:
        text = general(x, dec)
    elif form < 0.55:
        places = rng.randint(0, 8)
        text = format(x, f",.{places}f" if rng.random() < 0.5 else f".{places}f")
        text = text.replace(",", "\0").replace(".", dec).replace("\0", grp)
    elif form < 0.8:
        text = format(x, f".{rng.randint(0, 16)}{rng.choice('eE')}")
        if rng.random() < 0.3:
            text = text.replace("+", "")
        text = text.replace(".", dec)
    else:
        text = repr(x).replace(".", dec).replace("e", rng.choice("eE"))
    if rng.random() < 0.2 and text.startswith("0" + dec):
        text = text[1:]  # ".5"
    if rng.random() < 0.1 and text.startswith("-0" + dec):
        text = "-" + text[2:]  # "-.5"
    if rng.random() < 0.1 and not text.startswith("-"):
        text = "+" + text
    if rng.random() < 0.2:
        text = " " * rng.randint(1, 3) + text + " " * rng.randint(0, 3)
    return text


def mutate(rng, text, dec, grp):
    chars = list(text)
    for _ in range(rng.randint(1, 2)):
        action = rng.random()
        position = rng.randint(0, len(chars))
        if action < 0.5 or not chars:
            chars.insert(position, rng.choice(NOISE + dec + grp + dec + grp))
        elif action < 0.8:
            del chars[min(position, len(chars) - 1)]
        else:
            i = min(position, len(chars) - 1)
            chars.insert(i, chars[i])
    return "".join(chars)


FIXED_TEXTS = [
    "", " ", "-", "+", ".", ",", "-.", ".5", "5.", "-.5", "+5", " 42 ", "1,234.5", "1,2",
    ",5", "1,", "1..2", "abc", "1E", "1E+", "1E-", "1E+15", "1e-5", "1E+400", "-1E+400",
    "1E-400", "-1E-400", "1.7976931348623157E+308", "1.7976931348623159E+308", "5E-324",
    "2.4703282292062327E-324", "2.4703282292062328E-324", "1" + "0" * 400, "0." + "0" * 400 + "1",
    "1E+99999999999999999999", "1E-99999999999999999999", "0E+99999",
]


def parse_cases(rng, count):
    for text in FIXED_TEXTS:
        for dec, grp in SEPARATORS:
            yield text.replace(",", "\0").replace(".", dec).replace("\0", grp), dec, grp
    for _ in range(count):
        dec, grp = rng.choice(SEPARATORS)
        kind = rng.random()
        if kind < 0.6:
            x = signed(rng, log_uniform(rng, -12, 12))
        elif kind < 0.7:
            x = signed(rng, log_uniform(rng, 300, 308) * rng.choice([1, 10, 100]))
        elif kind < 0.8:
            x = signed(rng, log_uniform(rng, -330, -300))
        else:
            x = random_finite(rng)
        if math.isinf(x):
            x = 1e308
        text = number_text(rng, x, dec, grp)
        if rng.random() < 0.35:
            text = mutate(rng, text, dec, grp)
        yield text, dec, grp


# ---------------------------------------------------------------------------------------------


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seed", type=int, default=20240229)
    parser.add_argument("--format-cases", type=int, default=100000)
    parser.add_argument("--general-cases", type=int, default=20000)
    parser.add_argument("--parse-cases", type=int, default=30000)
    args = parser.parse_args()
    rng = random.Random(args.seed)
    out = sys.stdout
    cases = 0
    for x, decimals, grouped, (dec, grp) in format_cases(rng, args.format_cases):
        text = formatted(x, decimals, grouped, dec, grp)
        out.write(
            f"F\t{x.hex()}\t{decimals}\t{grouped}\t{escape(dec)}\t{escape(grp)}\t{escape(text)}\n"
        )
        cases += 1
    for x in general_values(rng, args.general_cases):
        dec, _ = rng.choice(SEPARATORS)
        out.write(f"G\t{x.hex()}\t{escape(dec)}\t{escape(general(x, dec))}\n")
        cases += 1
    for text, dec, grp in parse_cases(rng, args.parse_cases):
        out.write(f"P\t{escape(text)}\t{escape(dec)}\t{escape(grp)}\t{parsed(text, dec, grp)}\n")
        cases += 1
    out.write(f"END\t{cases}\n")
    out.flush()


if __name__ == "__main__":
    main()
