# Équations du second degré a*x**2 + b*x + c = 0 (a non nul).

import math


def discriminant(a, b, c):
    """Renvoie le discriminant de a*x**2 + b*x + c."""
    return b * b - 4 * a * c


def solutions(a, b, c):
    """Renvoie la liste des solutions réelles de a*x**2 + b*x + c = 0,
    rangées dans l'ordre croissant (liste vide s'il n'y en a pas)."""
    if a == 0:
        raise ValueError("a doit être non nul : l'équation n'est pas "
                         "du second degré")
    delta = discriminant(a, b, c)
    if delta < 0:
        return []
    if delta == 0:
        return [-b / (2 * a)]
    x1 = (-b - math.sqrt(delta)) / (2 * a)
    x2 = (-b + math.sqrt(delta)) / (2 * a)
    # Si a est négatif, x1 est la plus grande des deux solutions.
    if x1 > x2:
        x1, x2 = x2, x1
    return [x1, x2]


if __name__ == "__main__":
    print("x² - 3x + 2 = 0 : delta =", discriminant(1, -3, 2),
          "solutions :", solutions(1, -3, 2))
    print("x² + 2x + 1 = 0 : delta =", discriminant(1, 2, 1),
          "solutions :", solutions(1, 2, 1))
    print("x² + x + 1 = 0 : delta =", discriminant(1, 1, 1),
          "solutions :", solutions(1, 1, 1))
