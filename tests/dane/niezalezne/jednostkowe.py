"""Wartosci oczekiwane testow tests/loads/PN85Test.cpp i PN66Test.cpp (modele.py).
Rozpietosc zastepcza L rozni sie od dlugosci elementu Dl, by pomylka L z Dl wyszla."""
from modele import *

L, Dl = 15.72, 20.0
print('// PN-85: L = %g, Dl = %g' % (L, Dl))
for k in 'ABCDE':
    w = [pn85_0(k, 5, 8, 1.5, 1.0, L, Dl), pn85_1(k, 4, 7.5, 0.75, L, Dl),
         pn85_2(k, 9.6, 1.5, 0.6, 0.3, L, 0.6, Dl), pn85_3(k, 1.0, 7.0, 1.0, 0.5, L, 9.0, Dl),
         pn85_4(k, 1.0, 7.0, L, 8.0, Dl), pn85_5(k, 5, 9, 1.0, 1.2, 0.4, 0.2, L, Dl),
         pn85_6(k, 1.0, 7.0, 1.0, 0.5, L, 10.0, 0.4, 0.2, Dl)]
    for t, (m, tn) in enumerate(w):
        print("{'%s', %d, %.12g, %.12g}," % (k, t, m, tn))
print('// PN-85 krotkie przeslo klasy C, L = Dl = 5')
print(pn85_0('C', 5, 8, 1.5, 1.0, 5, 5))
print('// chodnik 0,4 m w typach 5 i 6 (klasa B) i to samo z c = 0,5')
print(pn85_5('B', 5, 9, 0.4, 1.2, 0.4, 0.2, L, Dl), pn85_6('B', 1.0, 7.0, 0.4, 0.5, L, 10.0, 0.4, 0.2, Dl))
print(pn85_0('B', 5, 8, 0.4, 1.0, L, Dl), pn85_2('B', 9.6, 0.4, 0.6, 0.3, L, 0.6, Dl), pn85_3('B', 1.0, 7.0, 0.4, 0.5, L, 9.0, Dl))

print('// PN-66: L = %g, Dl = %g' % (L, Dl))
for kl in (1, 2, 3):
    w = [pn66_0(kl, 8, 1.5, 1.0, L, 5, Dl), pn66_1(kl, 7.5, 0.75, L, 4, Dl),
         pn66_2(kl, 9.6, 1.5, 0.6, 0.3, 0.6, L, Dl), pn66_3(kl, 1.0, 7.0, 2.0, 9.0, L, Dl),
         pn66_4(kl, 7.0, 1.0, L, 8.0, Dl), pn66_5(kl, 9, 1.0, 0.4, 0.2, 1.2, L, 5, Dl),
         pn66_6(kl, 1.0, 7.0, 1.0, 0.4, 10.0, L, Dl)]
    for t, (m, tn) in enumerate(w):
        print("{%d, %d, %.12g, %.12g}," % (kl, t, m, tn))
print('// chodnik 0,4 m klasy II: typy 0, 2, 5, 6')
print(pn66_0(2, 8, 0.4, 1.0, L, 5, Dl), pn66_2(2, 9.6, 0.4, 0.6, 0.3, 0.6, L, Dl))
print(pn66_5(2, 9, 0.4, 0.4, 0.2, 1.2, L, 5, Dl), pn66_6(2, 1.0, 7.0, 0.4, 0.4, 10.0, L, Dl))
