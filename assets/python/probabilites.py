# Simulation : pile ou face, puis fluctuation d'échantillonnage.

import math
import random
from fractions import Fraction


def frequence_pile(n):
    """Lance n fois une pièce équilibrée et renvoie la fréquence de
    « pile » obtenue (un nombre entre 0 et 1)."""
    if n <= 0:
        return 0
    nombre_de_piles = 0
    for lancer in range(n):
        if random.random() < 0.5:
            nombre_de_piles = nombre_de_piles + 1
    return nombre_de_piles / n


def succes_echantillon(n, p):
    """Simule un échantillon de taille n où chaque tirage réussit avec
    la probabilité p ; renvoie le nombre de succès."""
    succes = 0
    for tirage in range(n):
        if random.random() < p:
            succes = succes + 1
    return succes


def frequence_echantillon(n, p):
    """La fréquence des succès d'un échantillon de taille n."""
    return succes_echantillon(n, p) / n


def dans_l_intervalle(k, n, p):
    """Dit si la fréquence k / n est dans l'intervalle
    [p - 1/racine(n) ; p + 1/racine(n)], bords compris.
    p peut s'écrire 0.5, 0.3 ou "1/6" (une fraction exacte).
    Le calcul se fait sur des entiers : avec des nombres à virgule,
    une fréquence posée sur un bord (12/36 pour p = 0.5 et n = 36)
    serait comptée dehors à cause des arrondis.
    Avec p = a / b : |k/n - p| <= 1/racine(n) revient à
    |b*k - a*n| <= racine(b*b*n) ; le membre de gauche est entier,
    on le compare donc à la partie entière de cette racine."""
    p = Fraction(str(p))
    a = p.numerator
    b = p.denominator
    return abs(b * k - a * n) <= math.isqrt(b * b * n)


def echantillons(N, n, p):
    """Simule N échantillons de taille n et renvoie la proportion
    (entre 0 et 1) de ceux dont la fréquence est dans l'intervalle
    de fluctuation [p - 1/racine(n) ; p + 1/racine(n)]."""
    if N <= 0 or n <= 0:
        return 0
    probabilite = float(Fraction(str(p)))
    dedans = 0
    for i in range(N):
        k = succes_echantillon(n, probabilite)
        if dans_l_intervalle(k, n, p):
            dedans = dedans + 1
    return dedans / N


if __name__ == "__main__":
    print("Fréquence de pile sur 1000 lancers :", frequence_pile(1000))
    print("Échantillons de 100 lancers dans l'intervalle :",
          echantillons(1000, 100, 0.5))
    print("Échantillons de 36 lancers de dé, face 6 :",
          echantillons(1000, 36, "1/6"))
