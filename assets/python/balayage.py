# Balayage : encadrer racine de 2 de plus en plus finement.

from decimal import Decimal


def balayage_racine2(k):
    """Renvoie un couple (a, b) de nombres décimaux tel que
    a <= racine(2) <= b et b - a = 10**(-k), pour un entier k >= 0."""
    # Les nombres à virgule de Python (float) n'ont qu'environ
    # 16 chiffres : au-delà de 15 décimales, ajouter le pas ne change
    # plus a, et la boucle ne s'arrêterait jamais. On calcule donc
    # exactement, sur des entiers : a s'écrit n / 10**d, et
    # a * a <= 2 revient à n * n <= 2 * 10**(2 * d).
    # 1 * 1 <= 2 <= 2 * 2 : racine(2) est entre 1 et 2.
    n = 1
    for d in range(1, k + 1):
        # Une décimale de plus : le pas devient dix fois plus petit.
        n = n * 10
        # On avance d'un pas tant que le carré reste <= 2.
        while (n + 1) * (n + 1) <= 2 * 10 ** (2 * d):
            n = n + 1
    # n / 10**k et (n + 1) / 10**k, écrits exactement avec
    # k décimales (« 14142E-4 » se lit 1.4142).
    a = Decimal(str(n) + "E-" + str(k))
    b = Decimal(str(n + 1) + "E-" + str(k))
    return (a, b)


if __name__ == "__main__":
    for k in range(21):
        a, b = balayage_racine2(k)
        print(k, ":", a, "<= racine(2) <=", b)
