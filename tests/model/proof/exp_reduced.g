# ExpOfReduced as power.cpp computes it, each IEEE operation a rounding, the
# error-free steps (TwoSum, FastTwoSum, TwoProduct) exact: the relative error
# of w = w.hi + w.lo against e^t / 2^scale stays within what the rounding test
# allows. The constants come first, from proof_constants, with Sollya's
# enclosure [Lmin, Lmax] of ln2/256.
#
# What Gappa cannot know of e^x stands in the hypotheses, each proven by
# exp_polynomial.sollya: erh = e^rh is within PolynomialError of the
# polynomial (for |rh| <= R, a goal here), erl = e^rl is 1 + rl within 2^-126
# (for |rl| <= 2^-63, a goal here), ed = e^d is 1 + d within 2^-138 (for
# |d| <= 2^-69, a goal here). T = 2^(j/256) is the table's entry as a real.

# t = th + tl, from exponent_product.g: th = RN(ph + s), with the estimate ph
# in [Lowest, Highest] and |s| <= 2^-42, so th lies in [ThLowest, ThHighest]
# (Lowest - 2^-42, Highest + 2^-42); tl is th's rounding error, at most half
# an ulp of |th| < 1024. The exact t is within ExponentError of th + tl.
th = rnd(t_hi);
tl = rnd(t_lo);

# The reduction: k, then r = t - k·ln2/256 as r.hi + r.lo.
xk = rnd(th * K256);
ka = rnd(xk + 0x1.8p52);
kd = rnd(ka - 0x1.8p52);
p1 = rnd(kd * C1);
hh = rnd(th - p1);       # head = TwoSum(t.hi, -(kd * C1))
hl = (th - p1) - hh;
s1 = rnd(kd * C2);
s2 = rnd(tl - s1);
s3 = rnd(hl + s2);
rr = hh + s3;            # r = TwoSum(head.hi, head.lo + (t.lo - kd * C2))
rh = rnd(rr);
rl = rr - rh;

# e^r: the polynomial in x = r.hi, then 1 + r.hi + the small terms.
x = rh;
@horner
xx = rnd(x * x);
sq = rnd(xx * q0);       # squareAndAbove
sh = rnd(1 + x);         # sum = FastTwoSum(1, r.hi)
sl = (1 + x) - sh;
a1 = rnd(sl + rl);
xrl = rnd(x * rl);
a2 = rnd(a1 + xrl);
a3 = rnd(a2 + sq);
E = sh + a3;             # expR = FastTwoSum(sum.hi, …), exactly
Eh = rnd(E);
El = E - Eh;

# The table's entry: MPFR's 2^(j/256) at 200 bits, rounded to two doubles.
Th = rnd(T200);
Tl = rnd(T200 - Th);
Tt = Th + Tl;

# Multiply(entry, expR).
ph2 = rnd(Th * Eh);
pl2 = Th * Eh - ph2;     # TwoProduct, exact
cr = rnd(rnd(Th * El) + rnd(Tl * Eh));
w = ph2 + rnd(pl2 + cr); # FastTwoSum, exact

# The same in exact arithmetic.
Msq = x * x * M0;
Px = 1 + x + Msq;
ME = 1 + x + rl + x * rl + Msq;
# r again, as the exact reduction plus each rounding error (rounded minus
# exact): Gappa bounds this sum where it does not see through hh + s3.
rsum = (th - kd * L) + tl + kd * (L - C1 - C2) + (kd * C1 - p1) + (s2 - (tl - s1))
       + (kd * C2 - s1) + (s3 - (hl + s2));
d = (tx - kd * L) - rr;  # the reduction's error, the exponent's included
X = erh * erl * ed;      # e^(tx - kd·ln2/256) = e^rh · e^rl · e^d
ex = T * X;              # e^tx / 2^scale

{ th in [@{ThLowest}, @{ThHighest}] /\ tl in [-1b-44, 1b-44]
  /\ tx - (th + tl) in [-@{ExponentError}, @{ExponentError}]
  /\ L in [@{Lmin}, @{Lmax}]
  /\ T in [1, 2] /\ T200 - T in [-1b-199, 1b-199]
  /\ erh - Px in [-@{PolynomialError}, @{PolynomialError}]
  /\ erl - 1 - rl in [-1b-126, 1b-126]
  /\ ed - 1 - d in [-1b-138, 1b-138]
  ->
  # k's range: k·C1 exact, 2^(k/256) a normal double
  kd in [-261631, 261887]
  # |r| <= R, stated on rsum: the hint below has Gappa check that it is r
  /\ rsum in [-@{R}, @{R}]
  /\ rl in [-1b-63, 1b-63] /\ d in [-1b-69, 1b-69]
  /\ d in ? /\ E - ME in ? /\ (E - X) / X in ?
  /\ (w - Tt * E) / (Tt * E) in ? /\ (Tt - T) / T in ?
  /\ (w - ex) / ex in ?
  /\ (w - ex) / ex in [-@{AllowanceProven}, @{AllowanceProven}] }

xk - kd -> ((xk + 0x1.8p52) - ka) + ((ka - 0x1.8p52) - kd);
th - kd * L -> L * ((xk - kd) - (xk - th * K256) + th * (1 / L - K256))  { L <> 0 };
hh + s3 -> rsum;
d -> (tx - (th + tl)) + (p1 - kd * C1) + kd * (C1 + C2 - L) + ((tl - s1) - s2)
     + (s1 - kd * C2) + ((hl + s2) - s3);
sq - Msq -> (sq - xx * q0) + (xx - x * x) * q0 + x * x * (q0 - M0);
E - ME -> (a3 - (a2 + sq)) + (a2 - (a1 + xrl)) + (a1 - (sl + rl)) + (xrl - x * rl) + (sq - Msq);
E - X -> (E - ME) - Msq * rl - (erh - Px) * erl - Px * (erl - 1 - rl) - erh * erl * (ed - 1);
w - Tt * E -> (rnd(pl2 + cr) - (pl2 + cr)) + (cr - (rnd(Th * El) + rnd(Tl * Eh)))
              + (rnd(Th * El) - Th * El) + (rnd(Tl * Eh) - Tl * Eh) - Tl * El;
Tt - T -> (Tl - (T200 - Th)) + (T200 - T);
(w - ex) / ex -> (w - Tt * E) / (Tt * E) + (Tt - T) / T + (E - X) / X
                 + ((w - Tt * E) / (Tt * E)) * ((Tt - T) / T)
                 + ((w - Tt * E) / (Tt * E)) * ((E - X) / X)
                 + ((Tt - T) / T) * ((E - X) / X)
                 + ((w - Tt * E) / (Tt * E)) * ((Tt - T) / T) * ((E - X) / X)
                 { X <> 0, T <> 0, Tt * E <> 0 };
