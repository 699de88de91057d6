# t = exponent · ln|base| as power.cpp computes it, against the exact product:
# |t - exponent · ln|base|| <= ExponentError. The constants come first, from
# proof_constants.
#
# ln|base| is taken positive: for a base below 1 the computation is the same
# with both signs turned, and round-to-nearest is symmetric. A base other than
# 1 has |ln|base|| > 2^-53 (the doubles nearest 1 are 1 - 2^-53 and 1 + 2^-52), and no
# double has |ln| above 745 (ln 2^-1074 = -744.4).

# exact::Log: MPFR's logarithm at 128 bits, split into two doubles.
@wide = float<128, -10000, ne>;
L128 = wide(Lam);
Lh = rnd(L128);
Ll = rnd(L128 - Lh);

e = rnd(exponent);
P = e * Lh;
ph = rnd(P);             # estimate = product.hi: the fast path has it in [Lowest, Highest]
pl = P - ph + u;         # product.lo: TwoProduct, exact but for partial products
                         # that underflow (|u| <= 2^-1072)
m = rnd(e * Ll);         # exponent * log.lo
s = rnd(pl + m);         # product.lo + that
t = ph + s;              # FastTwoSum: t.hi + t.lo exactly

tx = e * Lam;

{ Lam in [1b-53, 745] /\ ph in [@{Lowest}, @{Highest}] /\ u in [-1b-1072, 1b-1072]
  ->
  (Lh + Ll - Lam) / Lam in ? /\ e in [-1b63, 1b63] /\ tx - t in ?
  /\ tx - t in [-@{ExponentError}, @{ExponentError}] /\ s in [-1b-42, 1b-42] }

tx - t -> tx * ((Lam - (Lh + Ll)) / Lam) + (e * Ll - m) + ((pl + m) - s) - u  { Lam <> 0 };
tx -> P * (Lam / Lh)                                  { Lh <> 0 };
e * Ll -> P * (Ll / Lh)                               { Lh <> 0 };
Ll / Lh -> (L128 - Lh) / Lh + (Ll - (L128 - Lh)) / Lh { Lh <> 0 };
(Lh + Ll - Lam) / Lam -> ((Ll - (L128 - Lh)) + (L128 - Lam)) / Lam  { Lam <> 0 };

# One binade of ln|base| at a time, so that every rounding is relative to it.
$ Lam in (1b-52, 1b-51, 1b-50, 1b-49, 1b-48, 1b-47, 1b-46, 1b-45, 1b-44, 1b-43, 1b-42, 1b-41, 1b-40, 1b-39, 1b-38, 1b-37, 1b-36, 1b-35, 1b-34, 1b-33, 1b-32, 1b-31, 1b-30, 1b-29, 1b-28, 1b-27, 1b-26, 1b-25, 1b-24, 1b-23, 1b-22, 1b-21, 1b-20, 1b-19, 1b-18, 1b-17, 1b-16, 1b-15, 1b-14, 1b-13, 1b-12, 1b-11, 1b-10, 1b-9, 1b-8, 1b-7, 1b-6, 1b-5, 1b-4, 1b-3, 1b-2, 1b-1, 1b0, 1b1, 1b2, 1b3, 1b4, 1b5, 1b6, 1b7, 1b8, 1b9);
