# Balayage : encadrer racine de 2 de plus en plus finement.


def balayage_racine2(k):
    """Renvoie un couple (a, b) tel que a <= racine(2) <= b
    et b - a <= 10**(-k), pour un entier naturel k."""
    # 1 * 1 <= 2 <= 2 * 2 : racine(2) est entre 1 et 2.
    a = 1
    pas = 1
    for decimale in range(1, k + 1):
        # On balaie avec un pas dix fois plus petit, en avançant tant
        # que le carré reste inférieur ou égal à 2.
        pas = 10 ** (-decimale)
        while (a + pas) * (a + pas) <= 2:
            # round évite les petites erreurs d'arrondi des décimaux
            # (1.4000000000000004 au lieu de 1.4).
            a = round(a + pas, decimale)
    b = round(a + pas, k)
    return (a, b)


if __name__ == "__main__":
    for k in range(7):
        a, b = balayage_racine2(k)
        print(k, ":", a, "<= racine(2) <=", b)
