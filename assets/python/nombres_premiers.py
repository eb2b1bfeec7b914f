# Nombres premiers : test de primalité, recherche entre deux bornes,
# crible d'Ératosthène et conjecture de Goldbach.


def est_premier(n):
    """Renvoie True si l'entier n est premier, False sinon."""
    if n < 2:
        return False
    if n == 2 or n == 3:
        return True
    if n % 2 == 0 or n % 3 == 0:
        return False
    # Après 2 et 3, un nombre premier s'écrit 6k - 1 ou 6k + 1 :
    # on ne divise que par ces nombres-là, jusqu'à la racine de n.
    diviseur = 5
    while diviseur * diviseur <= n:
        if n % diviseur == 0 or n % (diviseur + 2) == 0:
            return False
        diviseur = diviseur + 6
    return True


def premiers_entre(a, b):
    """Renvoie la liste des nombres premiers p tels que a <= p <= b."""
    premiers = []
    for n in range(a, b + 1):
        if est_premier(n):
            premiers.append(n)
    return premiers


def crible(n):
    """Renvoie la liste des nombres premiers inférieurs ou égaux à n,
    trouvés par le crible d'Ératosthène."""
    if n < 2:
        return []
    # barre[k] devient True quand k est rayé (multiple d'un premier).
    barre = [False] * (n + 1)
    premiers = []
    for k in range(2, n + 1):
        if not barre[k]:
            premiers.append(k)
            # On raye les multiples de k à partir de k * k : les plus
            # petits ont déjà été rayés par un diviseur plus petit.
            multiple = k * k
            while multiple <= n:
                barre[multiple] = True
                multiple = multiple + k
    return premiers


def goldbach(n):
    """Pour un entier pair n >= 4, renvoie le couple (p, n - p) de deux
    nombres premiers de somme n où p est le plus petit possible.
    Renvoie None si n n'est pas un entier pair au moins égal à 4."""
    if n < 4 or n % 2 != 0:
        return None
    for p in range(2, n // 2 + 1):
        if est_premier(p) and est_premier(n - p):
            return (p, n - p)
    # Jamais atteint si la conjecture de Goldbach est vraie.
    return None


if __name__ == "__main__":
    print("97 est premier :", est_premier(97))
    print("91 est premier :", est_premier(91))
    print("Premiers entre 100 et 150 :", premiers_entre(100, 150))
    print("Crible jusqu'à 50 :", crible(50))
    print("Goldbach pour 100 :", goldbach(100))
