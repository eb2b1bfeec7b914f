# Simulation : pile ou face, puis fluctuation d'échantillonnage.

import math
import random


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


def frequence_echantillon(n, p):
    """Simule un échantillon de taille n où chaque tirage réussit avec
    la probabilité p ; renvoie la fréquence des succès."""
    succes = 0
    for tirage in range(n):
        if random.random() < p:
            succes = succes + 1
    return succes / n


def echantillons(N, n, p):
    """Simule N échantillons de taille n et renvoie la proportion
    (entre 0 et 1) de ceux dont la fréquence est dans l'intervalle
    de fluctuation [p - 1/racine(n) ; p + 1/racine(n)]."""
    if N <= 0 or n <= 0:
        return 0
    bas = p - 1 / math.sqrt(n)
    haut = p + 1 / math.sqrt(n)
    dans_l_intervalle = 0
    for i in range(N):
        f = frequence_echantillon(n, p)
        if bas <= f <= haut:
            dans_l_intervalle = dans_l_intervalle + 1
    return dans_l_intervalle / N


if __name__ == "__main__":
    print("Fréquence de pile sur 1000 lancers :", frequence_pile(1000))
    print("Échantillons de 100 lancers dans l'intervalle :",
          echantillons(1000, 100, 0.5))
