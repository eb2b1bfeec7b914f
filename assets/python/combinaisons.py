# Factorielles et combinaisons, calculées exactement avec des entiers.


def factorielle(n):
    """Renvoie n! = 1 * 2 * ... * n pour un entier naturel n
    (0! = 1)."""
    if n < 0:
        raise ValueError("n doit être un entier naturel")
    produit = 1
    for i in range(2, n + 1):
        produit = produit * i
    return produit


def combinaisons(n, k):
    """Renvoie le nombre de façons de choisir k éléments parmi n :
    n! / (k! * (n - k)!), et 0 si k < 0 ou k > n."""
    if k < 0 or k > n:
        return 0
    # La division « // » est exacte : le quotient est un entier.
    return factorielle(n) // (factorielle(k) * factorielle(n - k))


if __name__ == "__main__":
    print("10! =", factorielle(10))
    print("30! =", factorielle(30))
    print("Nombre de mains de 5 cartes parmi 32 :", combinaisons(32, 5))
