# PGCD et équations diophantiennes a*x + b*y = c (x et y entiers).


def pgcd(a, b):
    """Renvoie le plus grand diviseur commun de a et b (algorithme
    d'Euclide). Le résultat est positif ; pgcd(0, 0) vaut 0."""
    a = abs(a)
    b = abs(b)
    while b != 0:
        reste = a % b
        a = b
        b = reste
    return a


def euclide_etendu(a, b):
    """Renvoie (d, u, v) où d = pgcd(a, b) et a*u + b*v = d
    (algorithme d'Euclide étendu)."""
    # À chaque étape : r = a*u + b*v
    # et r_suivant = a*u_suivant + b*v_suivant.
    r, u, v = a, 1, 0
    r_suivant, u_suivant, v_suivant = b, 0, 1
    while r_suivant != 0:
        q = r // r_suivant
        r, r_suivant = r_suivant, r - q * r_suivant
        u, u_suivant = u_suivant, u - q * u_suivant
        v, v_suivant = v_suivant, v - q * v_suivant
    # Le pgcd est positif : on change les signes si besoin.
    if r < 0:
        r, u, v = -r, -u, -v
    return (r, u, v)


def solution_particuliere(a, b, c):
    """Renvoie un couple d'entiers (x, y) tel que a*x + b*y = c,
    ou None si l'équation n'a pas de solution entière."""
    d, u, v = euclide_etendu(a, b)
    if d == 0:
        # a = b = 0 : l'équation devient 0 = c.
        if c == 0:
            return (0, 0)
        return None
    if c % d != 0:
        # d divise a*x + b*y, donc il doit diviser c.
        return None
    k = c // d
    return (u * k, v * k)


if __name__ == "__main__":
    print("pgcd(84, 36) =", pgcd(84, 36))
    x, y = solution_particuliere(84, 36, 24)
    print("84 *", x, "+ 36 *", y, "=", 84 * x + 36 * y)
    print("84x + 36y = 10 :", solution_particuliere(84, 36, 10))
